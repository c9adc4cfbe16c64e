#pragma once
// The dialog service on the toolkit's own dialogs.
#include "platform/Dialogs.h"

#include <QStringList>

namespace zv {

class QtDialogs : public DialogBackend {
public:
    MsgResult Message(MsgKind kind, const std::string& text, MsgButtons buttons) override;
    std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                     const std::string& value) override;
    std::optional<FileDialogAnswer> OpenFile(const FileDialogRequest& r) override;
    std::optional<FileDialogAnswer> SaveFile(const FileDialogRequest& r) override;
    std::optional<std::uint32_t> Color(std::uint32_t initial) override;
    // ---- printing ----
    bool Print(QPrinter& printer) override;
    std::optional<FontChoice> Font(const FontChoice& initial) override; // font dialog
};

// "Mobila (*.mo4)|*.mo4|Toate (*.*)|*.*" -> the toolkit's filter list.
QStringList FilterList(const std::string& filter);

} // namespace zv
