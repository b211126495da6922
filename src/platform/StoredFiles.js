// The page's score files, kept in the browser's IndexedDB (emscripten's IDBFS)
// so that a reload, or another tab of the page, finds them. The game opens them
// in its working folder "/", where two links lead into the stored folder, so a
// save's lock and temporary files are made there too (and renamed away before
// the files are stored). Runs before the game's code, in the same script.
var thornwaldStore = {
  folder: '/scores',
  files: ['scoredata.txt', 'scorenames.txt'],
  busy: false,
  jobs: [],           // copies waiting their turn: {populate, done}
  fetch: 'idle',      // for a save: 'idle', 'fetching' or 'in'
  fetchStartedAt: 0,  // ms, performance.now()
  giveUpMs: 3000,     // a save waits at most this long for the files to come in
  // Every tab of the page saves under this Web Lock, from bringing the files in to
  // storing them back, so two tabs ending games together keep both names.
  lockName: 'thornwald-scores',
  release: null,      // lets go of the lock while this tab holds it for a save
  holdMs: 3000,       // a tab that stops before its save lets go after this
  ticket: 0,          // the fetch under way; a fetch given up is no longer it
};

// One copy at a time: a copy in that meets a copy out halfway would bring back
// what the save just replaced.
function thornwaldCopy(populate, done) {
  thornwaldStore.jobs.push({populate: populate, done: done});
  if (!thornwaldStore.busy) thornwaldNextCopy();
}

function thornwaldNextCopy() {
  var job = thornwaldStore.jobs.shift();
  thornwaldStore.busy = !!job;
  if (!job) return;
  FS.syncfs(job.populate, function(error) {
    // Without IndexedDB (some private windows) the scores last as long as the page.
    if (error)
      err('the high scores could not be ' + (job.populate ? 'read from' : 'kept in') +
          ' the browser: ' + error);
    if (job.done) job.done();
    thornwaldNextCopy();
  });
}

// Before the game starts: the stored folder, the links to it, and the files
// brought in, so the game's first read of the table finds them.
Module['preRun'] = [].concat(Module['preRun'] || [], function() {
  var store = thornwaldStore;
  FS.mkdir(store.folder);
  FS.mount(IDBFS, {}, store.folder);
  store.files.forEach(function(name) { FS.symlink(store.folder + '/' + name, '/' + name); });
  addRunDependency('thornwald-scores');
  thornwaldCopy(true, function() { removeRunDependency('thornwald-scores'); });
});

function thornwaldLetGo() {
  var release = thornwaldStore.release;
  thornwaldStore.release = null;
  if (release) release();
}

// 1 when the files hold what other tabs stored, else 0; the first call asks for the
// lock and, once it is this tab's, brings them in. The game asks once a pass before
// a save, and saves in the same pass once this says 1: it re-reads the files, keeps
// the other tabs' entries and stores (thornwaldStoreSaved), and the lock is let go
// when the files are stored. Without Web Locks (a page not served securely) the
// files are brought in all the same, and two saves at once may lose a name.
Module['thornwaldFetchStored'] = function() {
  var store = thornwaldStore, now = performance.now();
  if (store.fetch == 'in') {
    store.fetch = 'idle';
    // The save runs in this same pass; one that changed nothing stores nothing,
    // and lets go of the lock here.
    var release = store.release;
    setTimeout(function() { if (store.release == release) thornwaldLetGo(); }, 0);
    return 1;
  }
  if (store.fetch == 'fetching') {
    if (now - store.fetchStartedAt < store.giveUpMs) return 0;
    // A store, or another tab, that never answers must not hold the name entry up for good.
    err('the browser did not bring in the high scores in time; saving without the other tabs\' entries');
    store.fetch = 'idle';
    ++store.ticket;
    return 1;
  }
  store.fetch = 'fetching';
  store.fetchStartedAt = now;
  var ticket = ++store.ticket;
  var bringIn = function(release) {
    if (ticket != store.ticket) return release();
    thornwaldCopy(true, function() {
      if (ticket != store.ticket) return release();
      store.release = release;
      store.fetch = 'in';
      setTimeout(function() {
        if (store.release != release) return;
        store.fetch = 'idle';
        thornwaldLetGo();
      }, store.holdMs);
    });
  };
  if (navigator.locks)
    navigator.locks.request(store.lockName, function() { return new Promise(bringIn); });
  else
    bringIn(function() {});
  return 0;
};

Module['thornwaldStoreSaved'] = function() {
  var release = thornwaldStore.release;
  thornwaldStore.release = null;
  thornwaldCopy(false, release);
};
