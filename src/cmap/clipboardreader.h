#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class X11SelectionReader;

// Where the paste command gets its text: asked once per paste, answered
// once, at once or later. On X11 the text comes from the program that holds
// the clipboard, which may answer slowly or never; the window goes on
// meanwhile.
class ClipboardReader
{
public:
    using Answer = std::function<void(const std::optional<QString> &text)>;

    virtual ~ClipboardReader() = default;
    // Asks for the clipboard's text. `answer` gets it, or nothing when the
    // clipboard holds no text or its owner has not answered in time.
    virtual void readText(Answer answer) = 0;
};

// The desktop's clipboard.
class SystemClipboardReader final : public ClipboardReader
{
public:
    SystemClipboardReader();
    ~SystemClipboardReader() override;
    void readText(Answer answer) override;

private:
    std::unique_ptr<X11SelectionReader> m_x11; // on X11, from the first paste on
};
