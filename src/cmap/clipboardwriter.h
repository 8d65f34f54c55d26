#pragma once

#include <QString>

// Where the copy command puts its text. Replacing is one step: on success the
// clipboard holds exactly the new text as plain text; on failure it is left as
// it was.
class ClipboardWriter
{
public:
    virtual ~ClipboardWriter() = default;
    // Returns false when the clipboard could not be taken over.
    virtual bool replaceText(const QString &text) = 0;
};

// The desktop's clipboard.
class SystemClipboard final : public ClipboardWriter
{
public:
    bool replaceText(const QString &text) override;
};
