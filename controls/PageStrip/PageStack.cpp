#include "PageStack.h"

#include <utility>

namespace morvex::pagestrip {

namespace {

constexpr int kScrollStep = 5;

}  // namespace

std::vector<int> ScrollSteps(int distance, bool downward) {
  std::vector<int> steps;
  if (distance <= 0) return steps;
  unsigned count = (static_cast<unsigned>(distance) + kScrollStep - 1) / kScrollStep;
  int remaining = distance;
  for (unsigned i = 0; i < count; ++i) {
    if (downward) {
      int step = remaining < kScrollStep ? remaining : kScrollStep;
      steps.push_back(step);
      remaining -= step;
    } else {
      steps.push_back(-kScrollStep);
    }
  }
  return steps;
}

void PageStack::Append(std::wstring name) {
  PageRecord record;
  record.name = std::move(name);
  pages_.push_back(std::move(record));
}

void PageStack::Remove(int index) {
  pages_.erase(pages_.begin() + index);
  if (index == active_) {
    active_ = -1;
  } else if (index < active_) {
    --active_;
  }
}

void PageStack::Layout(const RECT& client) {
  RECT inset = client;
  InflateRect(&inset, -1, -1);
  LONG top = inset.top;
  for (PageRecord& record : pages_) {
    if (!record.atTop) continue;
    record.header = {inset.left, top, inset.right, top + record.height};
    top += record.height + 1;
  }
  LONG bottom = inset.bottom;
  for (auto record = pages_.rbegin(); record != pages_.rend(); ++record) {
    if (record->atTop) continue;
    record->header = {inset.left, bottom - record->height, inset.right, bottom};
    bottom -= record->height + 1;
  }
  contentArea_ = {inset.left + 1, top, inset.right - 1, bottom};
}

void PageStack::MoveStacksToOpen(int index) {
  if (pages_[index].atTop) {
    for (int i = index + 1; i < count() && pages_[i].atTop; ++i) pages_[i].atTop = false;
  } else {
    for (int i = index; i >= 0 && !pages_[i].atTop; --i) pages_[i].atTop = true;
  }
}

int PageStack::HitTest(POINT point) const {
  for (int i = 0; i < count(); ++i) {
    if (PtInRect(&pages_[i].header, point)) return i;
  }
  return -1;
}

ScrollPlan PageStack::PlanScroll(int index, LONG clientWidth) const {
  const PageRecord& opening = pages_[index];
  ScrollPlan plan;
  plan.downward = opening.atTop;
  // What travels is the run of headers between the opening page and the
  // content; the distance leaves out their heights, so the run lands where
  // the new layout puts it.
  int travelling = 0;
  if (plan.downward) {
    plan.area = {0, opening.header.bottom, clientWidth, contentArea_.bottom};
    for (int i = index + 1; i < count() && pages_[i].atTop; ++i) travelling += pages_[i].height + 1;
  } else {
    plan.area = {0, contentArea_.top, clientWidth, opening.header.bottom + 1};
    for (int i = index; i >= 0 && !pages_[i].atTop; --i) travelling += pages_[i].height + 1;
  }
  plan.distance = (plan.area.bottom - plan.area.top) - travelling;
  return plan;
}

}  // namespace morvex::pagestrip
