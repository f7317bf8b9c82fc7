// SPDX-License-Identifier: GPL-3.0-or-later
// Text in files is bytes; the windows convert for display only.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kivalto {

// File contents and values read from files (the system code page).
inline QString qs(std::string_view bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }
inline std::string bytes(const QString& text) { return text.toLatin1().toStdString(); }

} // namespace kivalto
