#pragma once
// The preview list, ListView1: an owner-data list view, which keeps only the count and the
// selection and asks the window for each item it shows.
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "platform/preview_controls.h"

namespace morvane::win32 {

class Win32IconListView final : public IconListView {
 public:
  // `list` is an owner-data list view (LVS_OWNERDATA) that shows pictures of `images`.
  Win32IconListView(HWND list, HIMAGELIST images) : list_(list), images_(images) {}

  void AttachPictures(bool attached) override;
  void RemoveItems() override;
  void ShowNumberedItems(int count) override;
  void Select(int item) override;
  std::optional<int> SelectedItem() const override;

  // Answers the list's LVN_GETDISPINFOW: item n's text is n, and its picture is at the place
  // that `placeOf` gives.
  void Describe(NMLVDISPINFOW& request, const std::function<int(int item)>& placeOf) const;
  // Answers the list's LVN_ODFINDITEMW, which it sends as the user types: the position of the
  // item whose number begins with the text typed since the list's last pause, or -1.
  LRESULT Find(const NMLVFINDITEMW& request) const;
  // Shows pictures of `images` from now on, its items `spacing` pixels apart, as at another
  // scale; ArrangeItems then places them.
  void SetPictures(HIMAGELIST images, SIZE spacing);
  void ArrangeItems() { ListView_Arrange(list_, LVA_DEFAULT); }

 private:
  HWND list_;
  HIMAGELIST images_;
  bool attached_ = false;
  int items_ = 0;
};

}  // namespace morvane::win32
