#include "app/ProgramMenuPolicy.h"

namespace morvex::solo {

int TrayMenuItemForKey(const controls::MenuPainter& painter,
                       const std::function<bool(const std::string& text)>& isMnemonic) {
  HMENU menu = painter.menu();
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int position = 0; position < count; ++position) {
    controls::MenuItemFacts facts;
    if (!controls::ReadMenuItem(menu, position, &facts)) continue;
    // An owner-drawn item's text is in its record; data that is not one of
    // the renderer's records is never read as one.
    if (!painter.IsOwnRecord(facts.data)) continue;
    const auto* record = reinterpret_cast<const controls::MenuItemRecord*>(facts.data);
    if (isMnemonic(record->text)) return position;
  }
  return -1;
}

void SettingsPictureIcons(const controls::MenuPainter& painter, HICON* hot, HICON* cold) {
  *hot = *cold = nullptr;
  const controls::MenuImages& images = painter.images();
  if (images.Count(controls::MenuImageList::kHot) > TRAY_PICTURE_SETTINGS)
    *hot = ImageList_GetIcon(images.List(controls::MenuImageList::kHot), TRAY_PICTURE_SETTINGS,
                             ILD_NORMAL);
  if (images.Count(controls::MenuImageList::kCold) > TRAY_PICTURE_SETTINGS)
    *cold = ImageList_GetIcon(images.List(controls::MenuImageList::kCold), TRAY_PICTURE_SETTINGS,
                              ILD_NORMAL);
}

}  // namespace morvex::solo
