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
  fetchedAt: 0,       // ms, performance.now()
  freshMs: 1000,      // files brought in longer ago than this are fetched again
  giveUpMs: 3000,     // a save waits at most this long for the files to come in
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

// 1 when the files hold what other tabs stored, else 0; the first call starts
// bringing them in. The game asks once a pass before a save, which re-reads the
// files and keeps the other tabs' entries.
Module['thornwaldFetchStored'] = function() {
  var store = thornwaldStore, now = performance.now();
  if (store.fetch == 'in' && now - store.fetchedAt < store.freshMs) {
    store.fetch = 'idle';
    return 1;
  }
  if (store.fetch == 'fetching') {
    if (now - store.fetchStartedAt < store.giveUpMs) return 0;
    // A store that never answers must not hold the name entry up for good.
    err('the browser did not bring in the high scores in time; saving without the other tabs\' entries');
    store.fetch = 'idle';
    return 1;
  }
  store.fetch = 'fetching';
  store.fetchStartedAt = now;
  thornwaldCopy(true, function() {
    if (store.fetch != 'fetching') return;
    store.fetch = 'in';
    store.fetchedAt = performance.now();
  });
  return 0;
};

Module['thornwaldStoreSaved'] = function() { thornwaldCopy(false); };
