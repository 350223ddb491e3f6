#pragma once

class QApplication;

// Fusion with a dark palette: the panel looks the same on every desktop theme.
namespace DarkLook {

void apply(QApplication &application);

} // namespace DarkLook
