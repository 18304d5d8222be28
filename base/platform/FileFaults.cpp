#include "base/platform/FileFaults.h"

namespace {

struct Fault {
  int countdown = 0;  // calls left until the failing one; 0 disarmed
  bool persist = false;
};

constexpr int kOperationCount = static_cast<int>(MFileOperation::kRemove) + 1;  // kRemove is last
Fault g_faults[kOperationCount];

void Disarm(Fault& fault) {
  if (fault.countdown != 0) --file_faults_detail::g_armedCount;
  fault = Fault();
}

}  // namespace

namespace file_faults_detail {

int g_armedCount = 0;

bool FiresArmed(MFileOperation operation) {
  Fault& fault = g_faults[static_cast<int>(operation)];
  if (fault.countdown == 0) return false;
  if (--fault.countdown > 0) return false;
  if (fault.persist)
    fault.countdown = 1;  // fails again next time
  else
    --g_armedCount;
  return true;
}

uint32_t ArmedWriteLength(uint32_t count) {
  // A write counts for both operations, whichever of them fires.
  const bool whole = FiresArmed(MFileOperation::kWrite);
  const bool cutShort = FiresArmed(MFileOperation::kShortWrite);
  return whole ? 0 : cutShort ? count / 2 : count;
}

}  // namespace file_faults_detail

void MSetFileFault(MFileOperation operation, int nth, bool persist) {
  Fault& fault = g_faults[static_cast<int>(operation)];
  Disarm(fault);
  if (nth <= 0) return;
  fault.countdown = nth;
  fault.persist = persist;
  ++file_faults_detail::g_armedCount;
}

void MClearFileFaults() {
  for (Fault& fault : g_faults) Disarm(fault);
}
