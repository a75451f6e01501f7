#include "win32/accessible_name.h"

#include <oleacc.h>

#include <atomic>
#include <type_traits>

#include "win32/system_library.h"

namespace tamrill::win32 {

namespace {

using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using SysAllocStringFn = BSTR(WINAPI*)(const OLECHAR*);

struct AccessibilityLibrary {
  CreateStdAccessibleObjectFn createStdAccessibleObject = nullptr;
  LresultFromObjectFn lresultFromObject = nullptr;
  SysAllocStringFn sysAllocString = nullptr;
  bool ready = false;
};

// Loaded once, on the window thread, when the first request comes; kept for the whole run.
const AccessibilityLibrary& library() {
  static const AccessibilityLibrary loaded = [] {
    // Kept for the whole run, as the objects handed out point into them.
    static SystemLibrary oleacc(L"oleacc.dll");
    static SystemLibrary oleaut32(L"oleaut32.dll");
    static SystemLibrary ole32(L"ole32.dll");
    AccessibilityLibrary lib;
    lib.createStdAccessibleObject =
        oleacc.function<std::remove_pointer_t<CreateStdAccessibleObjectFn>>(
            "CreateStdAccessibleObject");
    lib.lresultFromObject =
        oleacc.function<std::remove_pointer_t<LresultFromObjectFn>>("LresultFromObject");
    lib.sysAllocString =
        oleaut32.function<std::remove_pointer_t<SysAllocStringFn>>("SysAllocString");
    const auto coInitializeEx =
        ole32.function<std::remove_pointer_t<CoInitializeExFn>>("CoInitializeEx");
    // Handing the object over needs COM on this thread; a dialog may have started it already.
    const bool com =
        coInitializeEx != nullptr && SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    lib.ready = com && lib.createStdAccessibleObject != nullptr &&
                lib.lresultFromObject != nullptr && lib.sysAllocString != nullptr;
    return lib;
  }();
  return loaded;
}

// The system's object for the control, with its own name in place of the window text.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* inner, std::wstring name, SysAllocStringFn allocate)
      : inner_(inner), name_(std::move(name)), allocate_(allocate) {}
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return inner_->QueryInterface(iid, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // The name of the control itself; whatever else it is asked goes to the system's object.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (name == nullptr) return E_POINTER;
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return inner_->get_accName(child, name);
    *name = allocate_(name_.c_str());
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return inner_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return inner_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return inner_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument) override {
    return inner_->Invoke(id, iid, locale, flags, params, result, exception, argument);
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return inner_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return inner_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return inner_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return inner_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return inner_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return inner_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return inner_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return inner_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return inner_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return inner_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return inner_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return inner_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return inner_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return inner_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return inner_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return inner_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return inner_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return inner_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return inner_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return inner_->put_accValue(child, value);
  }

 private:
  ~NamedAccessible() { inner_->Release(); }

  IAccessible* inner_;
  std::wstring name_;
  SysAllocStringFn allocate_;
  std::atomic<ULONG> references_{1};
};

}  // namespace

LRESULT accessibleObjectNamed(HWND control, WPARAM wParam, LPARAM lParam,
                              const std::wstring& name) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
  const AccessibilityLibrary& lib = library();
  if (!lib.ready) return 0;
  IAccessible* inner = nullptr;
  if (FAILED(lib.createStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&inner))) ||
      inner == nullptr) {
    return 0;
  }
  // COM counts the references: the object goes when the last client lets go of it.
  auto* named = new NamedAccessible(inner, name, lib.sysAllocString);
  const LRESULT result = lib.lresultFromObject(__uuidof(IAccessible), wParam, named);
  named->Release();
  return result;
}

}  // namespace tamrill::win32
