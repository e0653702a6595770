#pragma once

class QWidget;

namespace pathsum {

// Installs the program's own accessibility for its client area: a screen reader is shown the
// controls of MainForm but not the half of the source marker that only completes its picture,
// nor a marker that is hidden; and the field and arrows windows as windows, named by their
// titles. Call once, after the application is made.
void InstallAccessibility();

// Keeps a control of MainForm out of what a screen reader is shown.
void KeepOutOfAccessibility(QWidget* widget);

}  // namespace pathsum
