// The form window's life: classes, creation of the window and its controls, the window
// procedures, and tearing it down again.

#include "win32/form_window.h"

#include <algorithm>

#include "win32/accessible_name.h"
#include "win32/metrics.h"
#include "win32/resource_ids.h"
#include "win32/wide.h"

namespace tamrill::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"TamrillForm";
constexpr wchar_t kFrameClass[] = L"TamrillFrame";
constexpr int kIconSize = 32;

DWORD formStyle(const ui::FormDesign& design) {
  if (design.border == ui::BorderStyle::FixedToolWindow)
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

DWORD formExStyle(const ui::FormDesign& design) {
  DWORD style = WS_EX_CONTROLPARENT;
  if (design.border == ui::BorderStyle::FixedToolWindow) style |= WS_EX_TOOLWINDOW;
  return style;
}

SIZE windowSizeFor(const ui::FormDesign& design, UINT dpi) {
  RECT area{0, 0, twipsToPixels(design.clientWidth, dpi), twipsToPixels(design.clientHeight, dpi)};
  ::AdjustWindowRectExForDpi(&area, formStyle(design), FALSE, formExStyle(design), dpi);
  return {area.right - area.left, area.bottom - area.top};
}

bool showsPicture(const ui::Form& form, ui::Picture picture) {
  const auto& controls = form.controls();
  return std::any_of(controls.begin(), controls.end(), [picture](const auto& control) {
    return control->design().picture == picture;
  });
}

// Tab order: by tab index, the controls without one after all those with one.
bool tabsBefore(const ui::Control& a, const ui::Control& b) {
  const int ta = a.design().tabIndex;
  const int tb = b.design().tabIndex;
  if ((ta < 0) != (tb < 0)) return tb < 0;
  return ta < tb;
}

}  // namespace

void FormWindow::loadIcon() {
  const int iconSize = scalePixels(kIconSize, dpi_);
  icon_.reset(static_cast<HICON>(
      ::LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TAMRILL), IMAGE_ICON, iconSize, iconSize, 0)));
}

FormWindow::FormWindow(ui::Form& form, HINSTANCE instance, bool isMainWindow, HWND owner,
                       SystemLibrary& comctl32)
    : form_(form),
      instance_(instance),
      isMainWindow_(isMainWindow),
      owner_(owner),
      comctl32_(comctl32) {}

FormWindow::~FormWindow() {
  window_.reset();
}

bool FormWindow::registerClasses(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (::GetClassInfoExW(instance, kFormClass, &existing) != FALSE) return true;

  WNDCLASSEXW form{};
  form.cbSize = sizeof(form);
  form.style = CS_DBLCLKS;
  form.lpfnWndProc = formProc;
  form.hInstance = instance;
  form.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_TAMRILL));
  form.hIconSm = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_TAMRILL),
                                                 IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  form.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  form.lpszClassName = kFormClass;
  if (::RegisterClassExW(&form) == 0) return false;

  WNDCLASSEXW frame{};
  frame.cbSize = sizeof(frame);
  frame.style = CS_DBLCLKS;
  frame.lpfnWndProc = frameProc;
  frame.hInstance = instance;
  frame.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  frame.lpszClassName = kFrameClass;
  return ::RegisterClassExW(&frame) != 0;
}

bool FormWindow::create() {
  if (window_) return true;
  if (!registerClasses(instance_)) return false;
  const ui::FormDesign& design = form_.design();
  const SIZE size = windowSizeFor(design, ::GetDpiForSystem());
  form_.prepareNewWindow();
  // The window procedure takes ownership at WM_NCCREATE; a failed WM_CREATE destroys it.
  const HWND window = ::CreateWindowExW(
      formExStyle(design), kFormClass, wide(form_.caption()).c_str(), formStyle(design),
      CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, owner_, nullptr, instance_, this);
  if (window == nullptr) return false;
  // The system DPI guessed the size; the monitor the window landed on decides it.
  const SIZE actual = windowSizeFor(design, dpi_);
  if (actual.cx != size.cx || actual.cy != size.cy) {
    ::SetWindowPos(window, nullptr, 0, 0, actual.cx, actual.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  form_.setObserver(this);
  return true;
}

void FormWindow::show() {
  if (!window_) return;
  const HWND window = window_.get();
  ::ShowWindow(window, ::IsIconic(window) != FALSE ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(window);
  ::UpdateWindow(window);
}

bool FormWindow::onCreate(HWND window) {
  dpi_ = ::GetDpiForWindow(window);
  if (dpi_ == 0) dpi_ = 96;
  // Only the pictures the form shows: the main window has neither.
  if (showsPicture(form_, ui::Picture::ProgramIcon)) loadIcon();
  if (showsPicture(form_, ui::Picture::AboutBackground)) {
    background_.reset(
        static_cast<HBITMAP>(::LoadImageW(instance_, MAKEINTRESOURCEW(IDB_ABOUT_BACKGROUND),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  }

  items_.clear();
  UINT id = kFirstControlId;
  for (const auto& control : form_.controls()) items_.push_back({control.get(), id++});
  // A new child window joins the bottom of its siblings, and focus moves through siblings in
  // that order: made in tab order, the controls are in place for tabbing as they are made.
  // Frames go first all the same, since the controls inside them need their window as parent.
  std::vector<Rendered*> order;
  for (Rendered& item : items_) order.push_back(&item);
  std::stable_sort(order.begin(), order.end(), [](const Rendered* a, const Rendered* b) {
    const bool aFrame = a->control->kind() == ui::ControlKind::Frame;
    const bool bFrame = b->control->kind() == ui::ControlKind::Frame;
    if (aFrame != bFrame) return aFrame;
    return tabsBefore(*a->control, *b->control);
  });
  for (Rendered* item : order) {
    if (!createControl(*item)) return false;
  }
  orderForTabbing(order);
  for (const Rendered& item : items_) startTimer(item);
  return true;
}

void FormWindow::orderForTabbing(const std::vector<Rendered*>& created) {
  // Only a frame that tabs after a sibling made later is out of place; then all of them move.
  bool inOrder = true;
  for (std::size_t i = 0; i < created.size() && inOrder; ++i) {
    for (std::size_t j = i + 1; j < created.size() && inOrder; ++j) {
      const Rendered& earlier = *created[i];
      const Rendered& later = *created[j];
      inOrder = earlier.window == nullptr || later.window == nullptr ||
                earlier.container != later.container ||
                !tabsBefore(*later.control, *earlier.control);
    }
  }
  if (inOrder) return;

  std::vector<const Rendered*> order;
  for (const Rendered& item : items_) {
    if (item.window != nullptr) order.push_back(&item);
  }
  std::stable_sort(order.begin(), order.end(), [](const Rendered* a, const Rendered* b) {
    return tabsBefore(*a->control, *b->control);
  });
  for (const Rendered* item : order) {
    ::SetWindowPos(item->window, HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
}

void FormWindow::onClose() {
  if (isMainWindow_) {
    // Ending the program is the Unload handler's decision.
    form_.deliver(nullptr, ui::Event::Unload);
    return;
  }
  window_.reset();
}

void FormWindow::onDestroy(HWND window) {
  for (const Rendered& item : items_) {
    if (item.control->kind() == ui::ControlKind::Timer) ::KillTimer(window, item.id);
    if (item.window == nullptr) continue;
    const auto atom = static_cast<ATOM>(
        reinterpret_cast<UINT_PTR>(::RemovePropW(item.window, kControlNameProperty)));
    if (atom != 0) ::GlobalDeleteAtom(atom);
  }
  form_.setObserver(nullptr);
  if (isMainWindow_) ::PostQuitMessage(0);
}

void FormWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  gdi_.dropFonts();
  if (showsPicture(form_, ui::Picture::ProgramIcon)) loadIcon();
  placeAll();
  const SIZE size = windowSizeFor(form_.design(), dpi_);
  ::SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  ::RedrawWindow(window_.get(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CALLBACK FormWindow::formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_.reset(window);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);

  switch (message) {
    case WM_CREATE:
      return self->onCreate(window) ? 0 : -1;
    case WM_CLOSE:
      self->onClose();
      return 0;
    case WM_DESTROY:
      self->onDestroy(window);
      return 0;
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      // The window is gone already: only let go of the handle.
      static_cast<void>(self->window_.release());
      self->items_.clear();
      self->tooltip_ = nullptr;
      self->pressedImage_ = nullptr;
      self->pressedLabel_ = nullptr;
      self->focused_ = nullptr;
      self->quietTip_ = nullptr;
      self->gdi_.clear();
      return ::DefWindowProcW(window, message, wParam, lParam);
    case WM_DPICHANGED:
      self->onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_TIMER:
      self->onTimer(static_cast<UINT>(wParam));
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // Also inside a message box's or the file-open dialog's loop: they pass sent messages on.
      if (wParam != FALSE) self->form_.sessionEnding();
      return 0;
    case WM_ACTIVATE:
      // A minimised window keeps no focus of its own.
      if (HIWORD(wParam) != 0) break;
      self->onActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    default:
      break;
  }
  return self->onContainerMessage(nullptr, window, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const LPVOID self = reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  Rendered* frame = self->findByWindow(window);
  if (frame == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  return self->onContainerMessage(frame->control, window, message, wParam, lParam);
}

LRESULT FormWindow::onContainerMessage(ui::Control* container, HWND window, UINT message,
                                       WPARAM wParam, LPARAM lParam) {
  const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_MOUSEWHEEL:
      form_.wheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_VSCROLL:
      if (lParam != 0) onVerticalScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_KEYDOWN:
      if (onKeyDown(static_cast<UINT>(wParam))) return 0;
      break;
    case WM_MOUSEMOVE:
      onMouseMove(container, at);
      return 0;
    case WM_MOUSELEAVE:
      pointerOver(nullptr);
      return 0;
    case WM_LBUTTONDOWN:
      onButtonDown(container, at);
      return 0;
    case WM_LBUTTONUP:
      onButtonUp(container, at);
      return 0;
    case WM_LBUTTONDBLCLK:
      onDoubleClick(container, at);
      return 0;
    case WM_SETCURSOR:
      // The mouse is over the window: its tips are wanted from now on.
      makeTooltips();
      if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT &&
          onSetCursor(container, window)) {
        return TRUE;
      }
      break;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT paints all of it, the background included
    case WM_PAINT:
      onPaint(container, window);
      return 0;
    case WM_PRINTCLIENT: {
      // A themed button asks for what lies beneath its rounded corners.
      RECT area{};
      ::GetClientRect(window, &area);
      paintContainer(container, reinterpret_cast<HDC>(wParam), area);
      return 0;
    }
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void FormWindow::onActivate(bool active) {
  const HWND window = window_.get();
  if (!active) {
    // As in a dialog: the control that had the focus gets it back when the window is active
    // again, after a message box, the file-open dialog or another program.
    const HWND focus = ::GetFocus();
    focused_ = focus != nullptr && ::IsChild(window, focus) != FALSE ? focus : nullptr;
    return;
  }
  if (focused_ != nullptr && ::IsChild(window, focused_) != FALSE &&
      ::IsWindowEnabled(focused_) != FALSE && ::IsWindowVisible(focused_) != FALSE) {
    ::SetFocus(focused_);
    return;
  }
  focusFirstControl();
}

void FormWindow::focusFirstControl() {
  const HWND window = window_.get();
  const HWND first = ::GetNextDlgTabItem(window, nullptr, FALSE);
  ::SetFocus(first != nullptr ? first : window);
}

// The standard controls are subclassed by hand, the control's own procedure kept in a window
// property.
LRESULT FormWindow::callBaseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto base = reinterpret_cast<WNDPROC>(::GetPropW(window, kControlBaseProcProperty));
  if (base == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  return ::CallWindowProcW(base, window, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    const LRESULT result = callBaseProc(window, message, wParam, lParam);
    ::RemovePropW(window, kControlBaseProcProperty);
    return result;
  }
  // The control's form window holds the renderer, as it does for its own procedure.
  auto* self = reinterpret_cast<FormWindow*>(
      ::GetWindowLongPtrW(::GetAncestor(window, GA_ROOT), GWLP_USERDATA));
  Rendered* item = self != nullptr ? self->findByWindow(window) : nullptr;
  if (item == nullptr) return callBaseProc(window, message, wParam, lParam);
  return self->onControlMessage(*item, window, message, wParam, lParam);
}

LRESULT FormWindow::onControlMessage(Rendered& item, HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
  const ui::ControlKind kind = item.control->kind();
  if (message == WM_MOUSEWHEEL) {
    // Anywhere over the window the wheel scrolls the window, whatever control is under it.
    form_.wheel(GET_WHEEL_DELTA_WPARAM(wParam));
    return 0;
  }
  switch (message) {
    case WM_LBUTTONDOWN:
      quietTip(item);
      break;
    case WM_MOUSEMOVE:
      pointerOver(item.control);
      break;
    case WM_MOUSELEAVE:
      pointerOver(nullptr);
      break;
    default:
      break;
  }
  if (kind == ui::ControlKind::Label) return onLabelMessage(item, window, message, wParam, lParam);

  const bool isEdit = kind == ui::ControlKind::TextBox;
  const bool isButton = kind == ui::ControlKind::Button;
  if (message == WM_GETDLGCODE) {
    LRESULT code = callBaseProc(window, message, wParam, lParam);
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    const bool keyDown = key != nullptr && key->message == WM_KEYDOWN;
    // Tab, Esc and Enter belong to the window, as in a dialog: a multi-line box asks for every
    // key, so it would keep Tab, and in dialog mode it closes its window on Esc.
    if (isEdit) code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    if (isButton && keyDown && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
  }
  if (isEdit && message == WM_GETOBJECT) {
    if (const LRESULT named =
            accessibleObjectNamed(window, wParam, lParam, wide(item.control->accessibleName()))) {
      return named;
    }
  }
  if (isEdit && (message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) return 0;
  if (isButton && message == WM_KEYDOWN && wParam == VK_RETURN) {
    // Enter presses the focused button, once however long the key is held.
    if ((lParam & (1L << 30)) == 0) form_.deliver(item.control, ui::Event::Click);
    return 0;
  }
  return callBaseProc(window, message, wParam, lParam);
}

LRESULT FormWindow::onLabelMessage(Rendered& item, HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
  const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  RECT area{};
  ::GetClientRect(window, &area);
  const bool inside = ::PtInRect(&area, at) != FALSE;
  switch (message) {
    case WM_LBUTTONDOWN:
      // A label is clicked when the button is let go over it, as a button is, so that a link
      // does not open while the button is still held.
      pressedLabel_ = window;
      ::SetCapture(window);
      return 0;
    case WM_LBUTTONUP: {
      const bool click = pressedLabel_ == window && inside;
      pressedLabel_ = nullptr;
      if (::GetCapture() == window) ::ReleaseCapture();
      if (click) {
        ::SendMessageW(item.container, WM_COMMAND, MAKEWPARAM(item.id, STN_CLICKED),
                       reinterpret_cast<LPARAM>(window));
      }
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      // The first press of the pair was a click already; the label reports the double-click.
      pressedLabel_ = nullptr;
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window) pressedLabel_ = nullptr;
      break;
    case WM_MOUSEMOVE:
      // A transparent label over a picture still reports moves over itself, not the picture;
      // while it holds the mouse, only the moves over it.
      if (::GetCapture() != window || inside) form_.deliver(item.control, ui::Event::MouseMove);
      break;
    case WM_SETCURSOR:
      // A label answers the cursor question without asking its form, which makes the tips.
      makeTooltips();
      if (item.control->design().cursor == ui::Cursor::HelpArrow) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HELP));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return callBaseProc(window, message, wParam, lParam);
}

}  // namespace tamrill::win32
