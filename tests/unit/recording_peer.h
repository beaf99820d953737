// A back end for the window's model that records what a real one would show:
// message boxes, caret hides, requests to paint at once, texts put on the
// clipboard and the file names asked of the Save As dialog. The
// window's outer size is that of a single-border window with a caption at
// 96 DPI, as Windows gives it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/peer.h"

class RecordingFormPeer : public ui::FormPeer {
public:
    explicit RecordingFormPeer(ui::Form& form) : form_(form) { form_.attach(this); }
    ~RecordingFormPeer() override { form_.attach(nullptr); }
    RecordingFormPeer(const RecordingFormPeer&) = delete;
    RecordingFormPeer& operator=(const RecordingFormPeer&) = delete;

    void updatePosition() override {}
    ui::Size outerSize() const override {
        return {form_.clientSize().width + 6, form_.clientSize().height + 28};
    }
    void showMessage(const std::string& text) override {
        messages.push_back(text);
        // What happens while the box is open: its own loop dispatches the
        // window's other events meanwhile.
        if (whileOpen) whileOpen();
    }
    void hideCaret() override { ++caretHides; }
    void paintNow() override { ++paints; }
    void copyText(const std::string& text) override { copied.push_back(text); }
    std::optional<std::string> askSavePath(const std::string& suggestedName) override {
        suggestedNames.push_back(suggestedName);
        return savePath;
    }

    std::vector<std::string> messages;
    int caretHides = 0;
    int paints = 0;
    std::vector<std::string> copied;  // what went to the clipboard, in order
    std::vector<std::string> suggestedNames;  // what the Save As dialogs suggested
    std::optional<std::string> savePath;      // what the user chooses there (none: Cancel)
    std::function<void()> whileOpen;

private:
    ui::Form& form_;
};
