// Putting a text on the clipboard.
#include "ui/win32/clipboard.h"

#include "ui/win32/handles.h"

namespace ui::win32 {
namespace {

// Opened for one window, and closed again on every path.
class OpenClipboardFor {
public:
    explicit OpenClipboardFor(HWND owner) {
        // Another program may hold it for a moment, as clipboard viewers do
        // when its content changes.
        for (int attempt = 0; attempt < 5 && !open_; ++attempt) {
            if (attempt > 0) Sleep(20);
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~OpenClipboardFor() {
        if (open_) CloseClipboard();
    }
    OpenClipboardFor(const OpenClipboardFor&) = delete;
    OpenClipboardFor& operator=(const OpenClipboardFor&) = delete;
    bool open() const { return open_; }

private:
    bool open_ = false;
};

// A block of the bytes given, which the clipboard can take.
GlobalMemory block(const void* bytes, std::size_t size) {
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size));
    if (!memory) return memory;
    void* at = GlobalLock(memory.get());
    if (at == nullptr) return GlobalMemory();
    CopyMemory(at, bytes, size);
    GlobalUnlock(memory.get());
    return memory;
}

// Once the clipboard has the block, it is the clipboard's to free.
bool give(UINT format, GlobalMemory memory) {
    if (!memory || SetClipboardData(format, memory.get()) == nullptr) return false;
    memory.release();
    return true;
}

}  // namespace

bool copyToClipboard(HWND owner, const std::string& text) {
    OpenClipboardFor clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard()) return false;
    // With its terminating zero.
    if (!give(CF_TEXT, block(text.c_str(), text.size() + 1))) return false;
    LCID locale = GetSystemDefaultLCID();
    return give(CF_LOCALE, block(&locale, sizeof locale));
}

}  // namespace ui::win32
