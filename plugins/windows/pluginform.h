// SPDX-License-Identifier: GPL-3.0-or-later
// What the plugin editor and the wizard share: the ROM masks box and the
// save of the current plugin with its warnings and reports.
#pragma once

class QComboBox;
class QWidget;

namespace kivalto {

struct App;

// The editable ROM masks box with the system names, initial text "*.*".
QComboBox* makeFileSpecCombo(QWidget* parent, const char* name);

// Warns about values of the current plugin that would not read back (the
// user may still go on), then saves it (App::savePLUG) and reports a failed
// write. True when the file was written.
bool saveCheckedPlugin(App& app);

} // namespace kivalto
