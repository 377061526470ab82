#include "base/Accessible.h"

#include <atomic>
#include <new>
#include <utility>

#include "base/SystemLibrary.h"
#include "base/Trace.h"

// IIDs through __uuidof: oleacc's import library also exports IID_IAccessible, as a data import
// whose address is no GUID.
namespace vistrel::win32 {

// oleacc is no KnownDLL, so it is loaded from System32 when first needed. It stays loaded: the
// standard objects it made live on in screen readers' hands after the window is gone. The texts'
// allocator comes from oleaut32, which oleacc loads anyway: a run no screen reader looks at
// loads neither.
struct Accessible::Library {
    decltype(&::LresultFromObject) lresultFromObject = nullptr;
    decltype(&::CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
    decltype(&::SysAllocStringLen) allocString = nullptr;

    Library()
    {
        // The objects reach screen readers in other processes through COM, which needs this
        // thread in an apartment. Like the DLL, it stays for the rest of the run; nothing is
        // loaded for it until a screen reader first asks.
        if (const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); FAILED(joined))
            traceError(L"CoInitializeEx for screen readers", static_cast<DWORD>(joined));
        SystemLibrary oleacc(L"oleacc.dll");
        lresultFromObject = oleacc.function<decltype(&::LresultFromObject)>("LresultFromObject");
        createStdAccessibleObject =
            oleacc.function<decltype(&::CreateStdAccessibleObject)>("CreateStdAccessibleObject");
        SystemLibrary oleaut(L"oleaut32.dll");
        allocString = oleaut.function<decltype(&::SysAllocStringLen)>("SysAllocStringLen");
        if (!lresultFromObject || !createStdAccessibleObject || !allocString) {
            traceLastError(L"Loading oleacc.dll for screen readers");
            lresultFromObject = nullptr;  // no object can be handed out
            return;
        }
        oleacc.keepLoaded();
        oleaut.keepLoaded();
    }
};

namespace {

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// Focus, availability and visibility as the system sees the window; whether it can take the focus
// at all is the facts' to say.
constexpr long kFromSystem =
    STATE_SYSTEM_FOCUSED | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;

// The IAccessible handed to screen readers: reports the window's facts for itself and its simple
// elements' (child ids 1..n), and forwards everything else, and every question about a child
// window (ids after the elements'), to the system's standard object.
class AccessibleObject final : public IAccessible {
public:
    using AllocString = decltype(&::SysAllocStringLen);

    AccessibleObject(std::weak_ptr<const Accessible::Handlers> handlers, HWND window, IAccessible* standard,
                     AllocString allocString)
        : m_handlers(std::move(handlers)), m_window(window), m_standard(standard), m_allocString(allocString)
    {
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: screen readers use the vtable; late binding is not offered.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible: what the window says about itself.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return text(child, name, &AccessibleFacts::name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return text(child, value, &AccessibleFacts::value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return text(child, action, &AccessibleFacts::defaultAction, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (!role) return E_POINTER;
        if (isElement(child))
            return withElement(child, [&](const AccessibleElement& element) {
                role->vt = VT_I4;
                role->lVal = element.facts.role;
                return S_OK;
            });
        if (!isSelf(child)) return forward(&IAccessible::get_accRole, standardChild(child), role);
        return withFacts(role, [&](const AccessibleFacts& facts) {
            role->vt = VT_I4;
            role->lVal = facts.role;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        if (!state) return E_POINTER;
        if (isElement(child))
            return withElement(child, [&](const AccessibleElement& element) {
                state->vt = VT_I4;
                state->lVal = systemState(kFromSystem & ~STATE_SYSTEM_FOCUSED) | element.facts.state;
                return S_OK;
            });
        if (!isSelf(child)) return forward(&IAccessible::get_accState, standardChild(child), state);
        return withFacts(state, [&](const AccessibleFacts& facts) {
            state->vt = VT_I4;
            state->lVal = systemState(kFromSystem) | facts.state;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        if (isElement(child))
            return withElement(child, [&](const AccessibleElement& element) {
                return element.defaultAction && element.defaultAction() ? S_OK : DISP_E_MEMBERNOTFOUND;
            });
        if (!isSelf(child)) return forward(&IAccessible::accDoDefaultAction, standardChild(child));
        const auto handlers = m_handlers.lock();
        if (!handlers || !IsWindow(m_window)) return CO_E_OBJNOTCONNECTED;
        if (!handlers->defaultAction) return DISP_E_MEMBERNOTFOUND;
        return guarded([&] { return handlers->defaultAction() ? S_OK : DISP_E_MEMBERNOTFOUND; });
    }

    // IAccessible: the rest is the system's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return forward(&IAccessible::get_accParent, parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        if (!count) return E_POINTER;
        *count = 0;
        const long elements = elementCount();
        const HRESULT windows = forward(&IAccessible::get_accChildCount, count);
        if (elements == 0 || windows == CO_E_OBJNOTCONNECTED) return windows;
        *count = (SUCCEEDED(windows) ? *count : 0) + elements;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        if (object && isElement(child)) {
            *object = nullptr;
            return S_FALSE;  // a simple element: asked about through this object
        }
        return forward(&IAccessible::get_accChild, standardChild(child), object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return noText(child, text) ? S_FALSE : forward(&IAccessible::get_accDescription, standardChild(child), text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override
    {
        return noText(child, text) ? S_FALSE : forward(&IAccessible::get_accHelp, standardChild(child), text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        if (noText(child, file)) return S_FALSE;
        return forward(&IAccessible::get_accHelpTopic, file, standardChild(child), topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override
    {
        if (noText(child, text)) return S_FALSE;
        return forward(&IAccessible::get_accKeyboardShortcut, standardChild(child), text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override
    {
        if (!child) return E_POINTER;
        // The element the keyboard is on, while the window has the focus.
        const HRESULT own = withElements([&](const std::vector<AccessibleElement>& elements) {
            if (GetFocus() != m_window) return S_FALSE;
            for (size_t i = 0; i < elements.size(); ++i) {
                if (!(elements[i].facts.state & STATE_SYSTEM_FOCUSED)) continue;
                child->vt = VT_I4;
                child->lVal = static_cast<long>(i + 1);
                return S_OK;
            }
            return S_FALSE;
        });
        return own == S_FALSE ? forward(&IAccessible::get_accFocus, child) : own;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return forward(&IAccessible::get_accSelection, children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        if (isElement(child)) return DISP_E_MEMBERNOTFOUND;
        return forward(&IAccessible::accSelect, flags, standardChild(child));
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        if (!isElement(child))
            return forward(&IAccessible::accLocation, left, top, width, height, standardChild(child));
        if (!left || !top || !width || !height) return E_POINTER;
        return withElement(child, [&](const AccessibleElement& element) {
            RECT r = element.place;
            MapWindowPoints(m_window, nullptr, reinterpret_cast<POINT*>(&r), 2);
            *left = r.left;
            *top = r.top;
            *width = r.right - r.left;
            *height = r.bottom - r.top;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        // Among the elements: first and last from the window, next and previous from an element.
        const long count = elementCount();
        const bool fromSelf = isSelf(start);
        if (!end || count == 0 || !(fromSelf || isElement(start)))
            return forward(&IAccessible::accNavigate, direction, standardChild(start), end);
        long to = 0;
        if (fromSelf && direction == NAVDIR_FIRSTCHILD) to = 1;
        else if (fromSelf && direction == NAVDIR_LASTCHILD) to = count;
        else if (fromSelf) return forward(&IAccessible::accNavigate, direction, start, end);
        else if (direction == NAVDIR_NEXT) to = start.lVal + 1;
        else if (direction == NAVDIR_PREVIOUS) to = start.lVal - 1;
        VariantInit(end);
        if (to < 1 || to > count) return S_FALSE;
        end->vt = VT_I4;
        end->lVal = to;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        if (!child) return E_POINTER;
        VariantInit(child);
        // A child window lies over whatever the window paints; otherwise the topmost element
        // under the point (the last listed).
        const HRESULT standard = forward(&IAccessible::accHitTest, x, y, child);
        if (standard == CO_E_OBJNOTCONNECTED || child->vt == VT_DISPATCH) return standard;
        POINT at{x, y};
        RECT client{};
        if (!ScreenToClient(m_window, &at) || !GetClientRect(m_window, &client) || !PtInRect(&client, at))
            return standard;
        const HRESULT own = withElements([&](const std::vector<AccessibleElement>& elements) {
            for (size_t i = elements.size(); i-- > 0;) {
                if (!PtInRect(&elements[i].place, at)) continue;
                child->vt = VT_I4;
                child->lVal = static_cast<long>(i + 1);
                return S_OK;
            }
            return S_FALSE;
        });
        return own == S_FALSE ? standard : own;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleObject()
    {
        if (m_standard) m_standard->Release();
    }

    // No exception crosses into the screen reader.
    template <typename Body>
    static HRESULT guarded(Body body) noexcept
    {
        try {
            return body();
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            failFastOnException(L"A screen reader's question");
        }
    }

    template <typename Out, typename Body>
    HRESULT withFacts(Out* out, Body body) noexcept
    {
        if (!out) return E_POINTER;
        const auto handlers = m_handlers.lock();
        if (!handlers || !IsWindow(m_window)) return CO_E_OBJNOTCONNECTED;
        return guarded([&] { return body(handlers->facts ? handlers->facts() : AccessibleFacts{}); });
    }

    // A text fact; an empty one is left to the standard object (S_FALSE and null when it has none).
    HRESULT text(VARIANT child, BSTR* out, std::wstring AccessibleFacts::*field,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*fallback)(VARIANT, BSTR*))
    {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (isElement(child))
            return withElement(child,
                               [&](const AccessibleElement& element) { return copy(element.facts.*field, out); });
        if (!isSelf(child)) return forward(fallback, standardChild(child), out);
        const HRESULT result = withFacts(out, [&](const AccessibleFacts& facts) { return copy(facts.*field, out); });
        return result == S_FALSE ? forward(fallback, child, out) : result;
    }

    // S_FALSE and null for an empty text.
    HRESULT copy(const std::wstring& value, BSTR* out) const
    {
        if (value.empty()) return S_FALSE;
        *out = m_allocString(value.data(), static_cast<UINT>(value.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    // The window's state as the system sees it, limited to `flags`.
    long systemState(long flags) const
    {
        VARIANT system{};
        const HRESULT got = m_standard ? m_standard->get_accState(self(), &system) : E_FAIL;
        return SUCCEEDED(got) && system.vt == VT_I4 ? system.lVal & flags : 0;
    }

    static VARIANT self()
    {
        VARIANT v{};
        v.vt = VT_I4;
        v.lVal = CHILDID_SELF;
        return v;
    }

    // The window's simple elements as `body` sees them; an element the question names, in
    // withElement. Both leave everything else to the caller.
    template <typename Body>
    HRESULT withElements(Body body) noexcept
    {
        const auto handlers = m_handlers.lock();
        if (!handlers || !IsWindow(m_window)) return CO_E_OBJNOTCONNECTED;
        return guarded([&] {
            return body(handlers->elements ? handlers->elements() : std::vector<AccessibleElement>{});
        });
    }
    template <typename Body>
    HRESULT withElement(VARIANT child, Body body) noexcept
    {
        return withElements([&](const std::vector<AccessibleElement>& elements) {
            if (child.lVal > static_cast<long>(elements.size())) return E_INVALIDARG;  // gone meanwhile
            return body(elements[child.lVal - 1]);
        });
    }

    long elementCount() noexcept
    {
        long count = 0;
        withElements([&](const std::vector<AccessibleElement>& elements) {
            count = static_cast<long>(elements.size());
            return S_OK;
        });
        return count;
    }
    bool isElement(const VARIANT& child) noexcept
    {
        return child.vt == VT_I4 && child.lVal > 0 && child.lVal <= elementCount();
    }
    // A child window's id as the standard object numbers them, after the elements.
    VARIANT standardChild(VARIANT child) noexcept
    {
        if (child.vt == VT_I4 && child.lVal > 0) child.lVal -= elementCount();
        return child;
    }

    // True, with `out` emptied, when `child` is a simple element: those have no such text.
    bool noText(const VARIANT& child, BSTR* out) noexcept
    {
        if (!out || !isElement(child)) return false;
        *out = nullptr;
        return true;
    }

    template <typename Method, typename... Args>
    HRESULT forward(Method method, Args... args)
    {
        if (m_handlers.expired() || !IsWindow(m_window)) return CO_E_OBJNOTCONNECTED;
        if (!m_standard) return E_FAIL;
        return (m_standard->*method)(args...);
    }

    std::atomic<ULONG> m_references{1};
    std::weak_ptr<const Accessible::Handlers> m_handlers;
    HWND m_window;
    IAccessible* m_standard;  // owned reference, or null when the system made none
    AllocString m_allocString;
};

}  // namespace

Accessible::Accessible(Handlers handlers) : m_handlers(std::make_shared<const Handlers>(std::move(handlers))) {}
Accessible::~Accessible() = default;
Accessible::Accessible(Accessible&&) noexcept = default;
Accessible& Accessible::operator=(Accessible&&) noexcept = default;

IAccessible* Accessible::object(HWND window)
{
    if (!m_library) m_library = std::make_unique<Library>();
    if (!m_library->lresultFromObject) return nullptr;  // traced when loading
    IAccessible* standard = nullptr;
    const HRESULT made = m_library->createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                              reinterpret_cast<void**>(&standard));
    if (FAILED(made)) {
        // The object still tells its own facts; location and navigation are then unknown.
        traceError(L"CreateStdAccessibleObject", static_cast<DWORD>(made));
        standard = nullptr;
    }
    auto* accessible = new (std::nothrow) AccessibleObject(m_handlers, window, standard, m_library->allocString);
    if (!accessible && standard) standard->Release();
    return accessible;
}

std::optional<LRESULT> Accessible::answer(HWND window, WPARAM wParam, LPARAM lParam)
{
    // The object id arrives as a 32-bit value, sign included, in the pointer-sized lParam.
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT)) return std::nullopt;
    IAccessible* accessible = object(window);
    if (!accessible) return std::nullopt;
    // The result holds its own reference until the screen reader takes the object.
    const LRESULT result = m_library->lresultFromObject(__uuidof(IAccessible), wParam, accessible);
    accessible->Release();
    if (result < 0) traceError(L"LresultFromObject", static_cast<DWORD>(result));
    return result;
}

bool postAccessibleClick(HWND control, WPARAM part)
{
    return PostMessageW(control, kAccessibleClickMessage, part, 0) != FALSE;
}

void Accessible::notify(HWND window, DWORD event, LONG child)
{
    if (window) NotifyWinEvent(event, window, OBJID_CLIENT, child);
}

}  // namespace vistrel::win32
