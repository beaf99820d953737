// A window object tied to its HWND: one virtual method takes its messages, and
// notifications a control sends its parent come back to the control's own object.
#pragma once

#include <windows.h>

#include "ui/geometry.h"

namespace ui::win32 {

class Window {
public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    static Window* fromHandle(HWND hwnd);
    // Whether the record a message's lParam points to (a notification's, or
    // an owner-drawn item's, which our own controls send and never post)
    // lies in our own memory, where it can be read and written whole; true
    // for a message that carries no such record.
    static bool holdsOwnRecord(UINT message, LPARAM lParam);
    // Registers a class of our own whose windows lead to their objects.
    static void registerClass(HINSTANCE instance, const char* name, UINT style, HBRUSH background,
                              HICON icon = nullptr);

protected:
    Window() = default;
    // Destroys the window (and its children and owned windows with it). A
    // window is destroyed only this way: a destruction message that comes
    // any other way is another program's, and is refused.
    void destroy();
    // A window of one of our classes.
    void create(HINSTANCE instance, const char* className, DWORD style, DWORD exStyle, HWND parent, int id,
                const Rect& bounds, const char* text);
    // A window of a system class (edit, combo box, tab control) whose messages pass through us first.
    void createSubclassed(HINSTANCE instance, const char* className, DWORD style, DWORD exStyle, HWND parent, int id,
                          const Rect& bounds, const char* text);

    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // A message the window does not take from anyone, answered with 0 before
    // handle() or the system class sees it.
    virtual bool refuses(UINT message, WPARAM wParam, LPARAM lParam);
    // The class's own behaviour: the system class's procedure, or DefWindowProc.
    LRESULT defaultHandle(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification, colour request or drawing request that this window sent its parent.
    virtual bool reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // For containers: passes such a message on to the child that sent it.
    static bool reflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static LRESULT CALLBACK classProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK subclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT receive(UINT message, WPARAM wParam, LPARAM lParam);
    // Whether this window, or a window it lies on or is owned by, is being
    // destroyed by destroy().
    bool beingDestroyed() const;
    // Called as the window is really gone: the object lets go of its handle.
    void unlink();

    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
    bool destroying_ = false;
};

}  // namespace ui::win32
