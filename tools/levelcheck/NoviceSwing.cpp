#include "NoviceSwing.h"

bool NoviceSwing::down(bool reach, uint32_t now) {
  if (reach && !inReach) reachSince = now;
  inReach = reach;
  // Let go on the next pass, so that each swing is a press of its own.
  swinging = !swinging && reach && now - reachSince >= kNoviceSwingWaitMs;
  return swinging;
}
