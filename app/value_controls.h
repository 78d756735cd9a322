#pragma once
// Controls that only hold their values: they stand for the window's controls when the window is
// never shown, as in a one-shot run.
#include <optional>
#include <string>

#include "platform/controls.h"
#include "platform/preview_controls.h"

namespace morvane {

class ValueTextBox : public TextBox {
 public:
  std::wstring Text() const override { return text; }
  void SetText(const std::wstring& value) override { text = value; }
  void Focus() override {}
  std::wstring text;
};

class ValueLabel : public Label {
 public:
  ValueLabel() = default;
  explicit ValueLabel(std::wstring initial) : caption(std::move(initial)) {}
  std::wstring Caption() const override { return caption; }
  void SetCaption(const std::wstring& value) override { caption = value; }
  std::wstring caption;
};

// A counter with no room and no ink: any font fits it.
class ValueCounter : public CounterLabel {
 public:
  explicit ValueCounter(std::wstring initial) : caption(std::move(initial)) {}
  std::wstring Caption() const override { return caption; }
  void SetCaption(const std::wstring& value) override { caption = value; }
  PixelSize Room() const override { return {}; }
  int DesignedFontHeight() const override { return 13; }
  PixelSize InkOf(const std::wstring&, int) override { return {}; }
  void SetFontHeight(int height) override { fontHeight = height; }
  std::wstring caption;
  int fontHeight = 0;
};

class ValueButton : public Button {
 public:
  explicit ValueButton(std::wstring initial) : caption(std::move(initial)) {}
  void SetCaption(const std::wstring& value) override { caption = value; }
  void SetEnabled(bool value) override { enabled = value; }
  std::wstring caption;
  bool enabled = true;
};

class ValueCheckBox : public CheckBox {
 public:
  bool Checked() const override { return checked; }
  void SetChecked(bool value) override { checked = value; }
  bool checked = false;
};

// The preview of a window that is never shown: it keeps how many items it has and which one is
// selected, as the list would, and draws nothing.
class ValueList : public IconListView {
 public:
  void AttachPictures(bool) override {}
  void RemoveItems() override { ShowNumberedItems(0); }
  void ShowNumberedItems(int count) override {
    items = count;
    selected.reset();
  }
  void Select(int item) override {
    if (item >= 1 && item <= items) selected = item;
  }
  std::optional<int> SelectedItem() const override { return selected; }
  int items = 0;
  std::optional<int> selected;
};

class ValuePictures final : public PictureList, public Canvas {
 public:
  void DrawIcons(const std::wstring&, int, int, int) override {}
  void KeepDrawing(bool) override {}
  void ClearDrawing() override {}
  void ShowPicture(int) override {}
};

}  // namespace morvane
