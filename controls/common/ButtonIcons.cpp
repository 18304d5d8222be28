#include "controls/common/ButtonIcons.h"

namespace morvex::controls {

void ButtonIcons::Adopt(HICON hot, HICON cold) {
  Reset();
  hot_ = hot;
  cold_ = cold ? cold : hot;
}

void ButtonIcons::Reset() {
  if (cold_ && cold_ != hot_) destroy_(cold_);
  if (hot_) destroy_(hot_);
  hot_ = nullptr;
  cold_ = nullptr;
}

}  // namespace morvex::controls
