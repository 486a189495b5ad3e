// Thai-capable faces for the names the layouts use. Chosen once at start-up.
#pragma once

#include <QFont>
#include <QString>

#include "control_row.h"

namespace krv1::platform {

// A sans from fonts-thai-tlwg close in build to the Windows UI faces, the
// face the web page ships too.
inline constexpr const char* kUiFamily = "Loma";
// The layouts were drawn for a face whose Thai line is 13 px at 8 pt; Loma's
// is 18 px there, one more than a 255-twip row, and two lines overrun a
// 495-twip box. At 15/16 of each size the layouts name, Loma's line is 16 px
// (8 pt becomes 7.5), so every row holds its line and every two-line box its
// two, and the widest fixed caption fits its width.
inline constexpr double kUiSizeFactor = 15.0 / 16.0;
inline constexpr double kUiPointSize = 8.0 * kUiSizeFactor;

// The report is laid out for "CordiaUPC" 16 pt. Where it is missing, TLWG's
// Umpush is of similar shape but drawn about 1.5 times larger at the same
// point size, so it is scaled by 0.65 to keep the 300-twip line pitch.
inline constexpr const char* kReportFamily = "CordiaUPC";
inline constexpr const char* kReportSubstitute = "Umpush";
inline constexpr double kReportSubstituteScale = 0.65;
// Umpush is also wider than Cordia's narrow build: the longest line, the
// strength to be produced with its margin, would run 670 twips past the
// right edge of A4 (to 12,580 twips from its left, drawn from X 900).
// Narrowed to 80 %, every line ends by 10,250 twips, inside the printable
// width of A4 on printers whose margins reach half an inch.
inline constexpr int kReportSubstituteStretch = 80;

// Chooses the widget style and maps "MS Sans Serif" and the default UI font
// to kUiFamily. Called once, after the application object exists.
void SetUpAppearance();

QFont FontFor(FontRole role);

// True when the family is installed under its own name.
bool FontInstalled(const QString& family);

}  // namespace krv1::platform
