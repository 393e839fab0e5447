// What a screen reader reads in a window. Its labels and clickable areas are
// drawn by the window itself, so no reader sees them unless the window says
// what they are: it answers Active Accessibility's question (WM_GETOBJECT)
// with an object whose children are what accessible_names.h lets a reader
// find, each with its name, role and default action; the native controls
// are their own objects, with the names and roles given there.
#include "accessible_names.h"
#include "code_page.h"
#include "impl.h"

#include <oleacc.h>

#include <vector>

namespace ui {

namespace {

BSTR toBstr(const std::string &text)
{
    using Alloc = BSTR(WINAPI *)(const OLECHAR *, UINT);
    static const auto alloc = win32::fromLibrary<Alloc>("oleaut32.dll", "SysAllocStringLen");
    const std::wstring wide = core::wideFromSystem(text);
    return alloc ? alloc(wide.data(), static_cast<UINT>(wide.size())) : nullptr;
}

HRESULT windowObject(HWND hwnd, IDispatch **object)
{
    using FromWindow = HRESULT(WINAPI *)(HWND, DWORD, REFIID, void **);
    static const auto fromWindow = win32::fromLibrary<FromWindow>("oleacc.dll", "AccessibleObjectFromWindow");
    *object = nullptr;
    return fromWindow ? fromWindow(hwnd, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                   reinterpret_cast<void **>(object))
                      : E_FAIL;
}

Spoken spokenAs(const Control::Impl &control)
{
    return ui::spokenAs(control.form.form, control.layout.name);
}

LONG msaaRole(Role role)
{
    switch (role) {
    case Role::Link:
        return ROLE_SYSTEM_LINK;
    case Role::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case Role::ComboBox:
        return ROLE_SYSTEM_COMBOBOX;
    case Role::FolderList:
        return ROLE_SYSTEM_LIST;
    case Role::Text:
    case Role::None:
        break;
    }
    return ROLE_SYSTEM_STATICTEXT;
}

// The words readers say for a link's and a button's action.
const char *defaultAction(Role role)
{
    return role == Role::Link ? "Jump" : "Press";
}

// The part of the IUnknown and IDispatch of an accessible object that is the
// same for all: counted references, and no type information.
template <typename Self>
class Counted : public IAccessible {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete static_cast<Self *>(this);
        return static_cast<ULONG>(left);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *,
                                     UINT *) override
    {
        return E_NOTIMPL;
    }

protected:
    virtual ~Counted() = default;

private:
    LONG references_ = 1;
};

HRESULT formObject(HWND form, IDispatch **object);

// The client area of one window. It holds the window's handle, not the
// window: a reader may keep it after the window has gone.
class FormAccessible final : public Counted<FormAccessible> {
public:
    explicit FormAccessible(HWND hwnd) : hwnd_(hwnd) {}

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override
    {
        return alive() ? windowObject(hwnd_, parent) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG *count) override
    {
        if (!alive())
            return CO_E_OBJNOTCONNECTED;
        *count = static_cast<LONG>(children().size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch **child) override
    {
        *child = nullptr;
        const Control::Impl *control = nullptr;
        if (const HRESULT found = lookUp(id, control); found != S_OK || !control)
            return found != S_OK ? found : E_INVALIDARG;
        // A drawn place is a plain element of this object; a native control is an object of its own.
        return control->isGraphic() ? S_FALSE : controlObject(*control, child);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR *name) override
    {
        *name = nullptr;
        const Control::Impl *control = nullptr;
        if (const HRESULT found = lookUp(id, control); found != S_OK)
            return found;
        *name = toBstr(control ? spokenAs(*control).name : win32::windowText(hwnd_));
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR *value) override { return notSupported(value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR *text) override { return notSupported(text); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT *role) override
    {
        const Control::Impl *control = nullptr;
        if (const HRESULT found = lookUp(id, control); found != S_OK)
            return found;
        role->vt = VT_I4;
        role->lVal = control ? msaaRole(spokenAs(*control).role) : ROLE_SYSTEM_CLIENT;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT *state) override
    {
        const Control::Impl *control = nullptr;
        if (const HRESULT found = lookUp(id, control); found != S_OK)
            return found;
        LONG flags = IsWindowVisible(hwnd_) ? 0 : STATE_SYSTEM_INVISIBLE;
        if (control) {
            flags |= STATE_SYSTEM_READONLY;
            if (spokenAs(*control).role == Role::Link)
                flags |= STATE_SYSTEM_LINKED;
            if (!control->enabled)
                flags |= STATE_SYSTEM_UNAVAILABLE;
        }
        state->vt = VT_I4;
        state->lVal = flags;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR *text) override { return notSupported(text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT, LONG *) override { return notSupported(file); }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR *text) override { return notSupported(text); }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *id) override { return nothing(id); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *id) override { return nothing(id); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR *action) override
    {
        *action = nullptr;
        const Control::Impl *control = nullptr;
        if (const HRESULT found = lookUp(id, control); found != S_OK)
            return found;
        const Spoken spoken = control ? spokenAs(*control) : Spoken{};
        if (!spoken.acts)
            return DISP_E_MEMBERNOTFOUND;
        *action = toBstr(defaultAction(spoken.role));
        return *action ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(LONG *left, LONG *top, LONG *width, LONG *height, VARIANT id) override
    {
        const Control::Impl *control = nullptr;
        if (const HRESULT found = lookUp(id, control); found != S_OK)
            return found;
        RECT place;
        if (control)
            place = control->bounds;
        else
            GetClientRect(hwnd_, &place);
        MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT *>(&place), 2);
        *left = place.left;
        *top = place.top;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT *end) override
    {
        clear(end);
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT *id) override
    {
        clear(id);
        if (!alive())
            return CO_E_OBJNOTCONNECTED;
        POINT point{x, y};
        ScreenToClient(hwnd_, &point);
        RECT client;
        GetClientRect(hwnd_, &client);
        if (!PtInRect(&client, point))
            return S_FALSE;
        const std::vector<const Control::Impl *> all = children();
        for (size_t i = all.size(); i-- > 0;) {
            if (!PtInRect(&all[i]->bounds, point))
                continue;
            if (all[i]->isGraphic()) {
                id->vt = VT_I4;
                id->lVal = static_cast<LONG>(i + 1);
            } else {
                id->vt = VT_DISPATCH;
                if (FAILED(controlObject(*all[i], &id->pdispVal)))
                    id->vt = VT_EMPTY;
            }
            return S_OK;
        }
        id->vt = VT_I4;
        id->lVal = CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override
    {
        const Control::Impl *control = nullptr;
        if (const HRESULT found = lookUp(id, control); found != S_OK)
            return found;
        if (!control || !spokenAs(*control).acts || !control->isGraphic())
            return DISP_E_MEMBERNOTFOUND;
        // As a click: after this call, from the window's own queue.
        const POINT middle{(control->bounds.left + control->bounds.right) / 2,
                           (control->bounds.top + control->bounds.bottom) / 2};
        const LPARAM at = MAKELPARAM(middle.x, middle.y);
        PostMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(hwnd_, WM_LBUTTONUP, 0, at);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }

private:
    static void clear(VARIANT *v) { v->vt = VT_EMPTY; }
    static HRESULT notSupported(BSTR *text)
    {
        *text = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    static HRESULT nothing(VARIANT *id)
    {
        clear(id);
        return S_FALSE;
    }

    // Still this window: a handle of a closed one may be given to another.
    bool alive() const { return win32::isFormWindow(hwnd_) && GetWindowLongPtrA(hwnd_, GWLP_USERDATA) != 0; }

    static HRESULT controlObject(const Control::Impl &control, IDispatch **object);

    // What a reader finds, bottom first; child n is entry n - 1.
    std::vector<const Control::Impl *> children() const
    {
        const auto *form = reinterpret_cast<const Form::Impl *>(GetWindowLongPtrA(hwnd_, GWLP_USERDATA));
        std::vector<const Control::Impl *> all;
        for (const auto &control : form->controls)
            if (spokenAs(*control).role != Role::None)
                all.push_back(control.get());
        return all;
    }

    // The control a child number names; null for the window itself.
    HRESULT lookUp(const VARIANT &id, const Control::Impl *&control) const
    {
        control = nullptr;
        if (!alive())
            return CO_E_OBJNOTCONNECTED;
        if (id.vt != VT_I4)
            return E_INVALIDARG;
        if (id.lVal == CHILDID_SELF)
            return S_OK;
        const std::vector<const Control::Impl *> all = children();
        if (id.lVal < 1 || id.lVal > static_cast<LONG>(all.size()))
            return E_INVALIDARG;
        control = all[static_cast<size_t>(id.lVal - 1)];
        return S_OK;
    }

    HWND hwnd_;
};

HRESULT formObject(HWND form, IDispatch **object)
{
    *object = new FormAccessible(form);
    return S_OK;
}

// A native control as the system describes it, but named, given its role and
// pressed as accessible_names.h says, and a child of its window's object.
class ControlAccessible final : public Counted<ControlAccessible> {
public:
    ControlAccessible(const Control::Impl &control, IAccessible *native)
        : form_(control.form.hwnd), hwnd_(control.hwnd), name_(control.layout.name), native_(native)
    {
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override { return formObject(form_, parent); }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR *name) override
    {
        if (!self(id))
            return native_->get_accName(id, name);
        const Spoken *spoken = now();
        *name = spoken ? toBstr(spoken->name) : nullptr;
        return spoken ? (*name ? S_OK : E_OUTOFMEMORY) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT *role) override
    {
        if (!self(id))
            return native_->get_accRole(id, role);
        const Spoken *spoken = now();
        if (!spoken)
            return CO_E_OBJNOTCONNECTED;
        role->vt = VT_I4;
        role->lVal = msaaRole(spoken->role);
        return S_OK;
    }
    // A button is pressed, a drop-down opens its list.
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR *action) override
    {
        const Spoken *spoken = self(id) ? now() : nullptr;
        if (!spoken || (spoken->role != Role::Button && spoken->role != Role::ComboBox))
            return native_->get_accDefaultAction(id, action);
        *action = IsWindowEnabled(hwnd_) ? toBstr(spoken->role == Role::Button ? "Press" : "Open") : nullptr;
        return *action ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override
    {
        const Spoken *spoken = self(id) ? now() : nullptr;
        if (!spoken || (spoken->role != Role::Button && spoken->role != Role::ComboBox))
            return native_->accDoDefaultAction(id);
        if (!IsWindowEnabled(hwnd_))
            return DISP_E_MEMBERNOTFOUND;
        PostMessageA(hwnd_, spoken->role == Role::Button ? BM_CLICK : CB_SHOWDROPDOWN, TRUE, 0);
        return S_OK;
    }

    // The rest is the system's.
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG *count) override { return native_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch **child) override
    {
        return native_->get_accChild(id, child);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR *value) override { return native_->get_accValue(id, value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR *text) override
    {
        return native_->get_accDescription(id, text);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT *state) override { return native_->get_accState(id, state); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR *text) override { return native_->get_accHelp(id, text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT id, LONG *topic) override
    {
        return native_->get_accHelpTopic(file, id, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR *text) override
    {
        return native_->get_accKeyboardShortcut(id, text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *id) override { return native_->get_accFocus(id); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *id) override { return native_->get_accSelection(id); }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT id) override { return native_->accSelect(how, id); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG *left, LONG *top, LONG *width, LONG *height, VARIANT id) override
    {
        return native_->accLocation(left, top, width, height, id);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT from, VARIANT *end) override
    {
        return native_->accNavigate(direction, from, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT *id) override { return native_->accHitTest(x, y, id); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT id, BSTR name) override { return native_->put_accName(id, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT id, BSTR value) override
    {
        return native_->put_accValue(id, value);
    }

    ~ControlAccessible() override { native_->Release(); }

private:
    static bool self(const VARIANT &id) { return id.vt == VT_I4 && id.lVal == CHILDID_SELF; }
    // How the control reads now; null once its window has gone.
    const Spoken *now()
    {
        if (!win32::isFormWindow(form_) || !GetWindowLongPtrA(form_, GWLP_USERDATA) || !IsWindow(hwnd_))
            return nullptr;
        spoken_ = ui::spokenAs(reinterpret_cast<const Form::Impl *>(GetWindowLongPtrA(form_, GWLP_USERDATA))->form,
                               name_);
        return &spoken_;
    }

    HWND form_, hwnd_;
    std::string name_;
    IAccessible *native_;
    Spoken spoken_;
};

HRESULT FormAccessible::controlObject(const Control::Impl &control, IDispatch **object)
{
    using FromWindow = HRESULT(WINAPI *)(HWND, DWORD, REFIID, void **);
    static const auto fromWindow = win32::fromLibrary<FromWindow>("oleacc.dll", "AccessibleObjectFromWindow");
    *object = nullptr;
    IAccessible *native = nullptr;
    if (!fromWindow
        || FAILED(fromWindow(control.hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void **>(&native))))
        return E_FAIL;
    *object = new ControlAccessible(control, native);
    return S_OK;
}

} // namespace

LRESULT Form::Impl::answerAccessibility(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return DefWindowProcA(hwnd, WM_GETOBJECT, wParam, lParam);
    using FromObject = LRESULT(WINAPI *)(REFIID, WPARAM, LPUNKNOWN);
    using Initialize = HRESULT(WINAPI *)(LPVOID, DWORD);
    static const auto fromObject = [] {
        // The object is handed out through COM, on this thread.
        if (const auto initialize = win32::fromLibrary<Initialize>("ole32.dll", "CoInitializeEx"))
            initialize(nullptr, COINIT_APARTMENTTHREADED);
        return win32::fromLibrary<FromObject>("oleacc.dll", "LresultFromObject");
    }();
    if (!fromObject)
        return DefWindowProcA(hwnd, WM_GETOBJECT, wParam, lParam);
    IAccessible *object = new FormAccessible(hwnd);
    const LRESULT answer = fromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return answer;
}

} // namespace ui
