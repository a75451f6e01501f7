#pragma once
// The generic renderer: one real window for a ui::Form, with one standard control per model
// control. Lines and images are painted by their container (the form or a frame). Model changes
// arrive through the observer and are on screen before the call returns; user actions go to
// Form::deliver and nowhere else.

#include <windows.h>

#include <vector>

#include "ui/form.h"
#include "win32/gdi_cache.h"
#include "win32/system_library.h"
#include "win32/unique_handles.h"

namespace tamrill::win32 {

// Child controls and timers are numbered from here, in layout order.
enum ControlId : UINT { kFirstControlId = 1000 };

// The window property that holds a control's layout name as a global atom.
inline constexpr wchar_t kControlNameProperty[] = L"TamrillControlName";
// The window property of a label that holds the procedure it had before Tamrill's.
inline constexpr wchar_t kControlBaseProcProperty[] = L"TamrillControlBaseProc";

class FormWindow final : public ui::FormObserver {
 public:
  // The main window's close box delivers Unload; any other window's destroys it. The tooltips,
  // made when the mouse first comes over the window, register their class through comctl32.
  FormWindow(ui::Form& form, HINSTANCE instance, bool isMainWindow, HWND owner,
             SystemLibrary& comctl32);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Creates the window and its controls, hidden; false when any of them cannot be made.
  bool create();
  bool exists() const { return window_ != nullptr; }
  HWND handle() const { return window_.get(); }
  void show();
  void destroy() { window_.reset(); }

  void formCaptionChanged(ui::Form& form) override;
  void controlChanged(ui::Control& control, ui::Property property) override;

 private:
  struct Rendered {
    ui::Control* control;
    UINT id;
    HWND window = nullptr;     // null for what the container paints, and for timers
    HWND container = nullptr;  // the window that holds or paints it
  };

  static LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The keyboard, mouse and wheel of the standard controls, where they differ from a dialog's.
  static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT callBaseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onControlMessage(Rendered& item, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onLabelMessage(Rendered& item, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static bool registerClasses(HINSTANCE instance);

  // Messages common to the form and its frames; container is null for the form itself.
  LRESULT onContainerMessage(ui::Control* container, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam);
  bool onCreate(HWND window);
  void onClose();
  void onDestroy(HWND window);
  void onDpiChanged(UINT dpi, const RECT& suggested);
  void onActivate(bool active);
  void focusFirstControl();
  void onCommand(UINT id, UINT code, HWND from);
  void onVerticalScroll(HWND bar, UINT code);
  bool onKeyDown(UINT key);  // a key for the window itself, when no control has the focus
  void onTimer(UINT id);
  void onMouseMove(ui::Control* container, POINT at);
  void onButtonDown(ui::Control* container, POINT at);
  void onButtonUp(ui::Control* container, POINT at);
  void onDoubleClick(ui::Control* container, POINT at);
  bool onSetCursor(ui::Control* container, HWND window);
  void onPaint(ui::Control* container, HWND window);
  // What lies beneath the controls: the background, pictures and lines within area.
  void paintContainer(ui::Control* container, HDC dc, const RECT& area);
  LRESULT onControlColour(HDC dc, HWND control);

  bool createControl(Rendered& item);
  void loadIcon();  // the program's icon at the window's DPI
  void makeTooltips();
  void addTooltip(const Rendered& item);
  void quietTip(const Rendered& item);
  void pointerOver(const ui::Control* control);  // null: over none of the window's controls
  void placeControl(const Rendered& item);
  void placeAll();
  RECT placementOf(const Rendered& item);  // in its container's client coordinates
  SIZE captionExtent(const Rendered& item);
  void orderForTabbing(const std::vector<Rendered*>& created);
  void startTimer(const Rendered& item);
  void redraw(const Rendered& item);
  void keepCaretOnThumb(HWND bar);
  void redrawArea(HWND container, RECT area);
  RECT areaOf(const Rendered& item) const;  // in its container's client coordinates
  SIZE clientSize() const;

  Rendered* find(const ui::Control& control);
  Rendered* findById(UINT id);
  Rendered* findByWindow(HWND window);
  HWND containerWindow(const ui::Control* container) const;
  ui::Control* imageAt(const ui::Control* container, POINT at);
  void paintPicture(HDC dc, const Rendered& item);
  void paintLine(HDC dc, const ui::Control& line);

  ui::Form& form_;
  HINSTANCE instance_;
  bool isMainWindow_;
  HWND owner_;
  unique_hwnd window_;
  UINT dpi_ = 96;
  std::vector<Rendered> items_;
  SystemLibrary& comctl32_;
  HWND tooltip_ = nullptr;  // owned by the window, destroyed with it
  bool triedTooltips_ = false;
  const ui::Control* quietTip_ = nullptr;  // clicked, its tip kept away until the pointer leaves
  GdiCache gdi_;
  unique_hicon icon_;
  unique_hbitmap background_;
  ui::Control* pressedImage_ = nullptr;
  HWND pressedLabel_ = nullptr;  // a label pressed and not yet let go
  HWND focused_ = nullptr;       // the control that had the focus when the window was left
};

}  // namespace tamrill::win32
