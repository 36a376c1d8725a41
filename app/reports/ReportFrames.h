#pragma once

#include "reports/ReportDefinition.h"

namespace tvx {
class SetupRecord;
}

// The two common frames every report of the program is built on, and the
// footer text with the user's name.
//
// list: page header with the centred heading (Arial 20 pt bold navy) and an
// optional second centred line (Arial 11 pt bold); page footer (Arial 9 pt)
// with the date-time at the left, the report title in the middle (optional),
// the bare page number at the right and the footer text centred below.
//
// calculation: title band on the first page with "Trovanex" (Arial 24 pt bold
// underlined navy) and the heading beside it (Arial 16 pt bold navy); page
// footer (Arial 9 pt) with the date-time at the left, the report title
// centred and the footer text centred below; no page number.
//
// Both frames may reserve room at the top of the page footer for the
// module's own notes or totals (y from 0 to notesHeight of the footer band).
namespace ReportFrames {

// Element names, so that modules can change the texts at run time.
inline const QString HeadingLabel = QStringLiteral("QRLabelTitle");
inline const QString SubHeadingLabel = QStringLiteral("QRLabelSubTitle");
inline const QString FooterTextLabel = QStringLiteral("QRLabelThisReport");
inline const QString DateTimeValue = QStringLiteral("QRSysDataDateTime");
inline const QString ReportTitleValue = QStringLiteral("QRSysDataTitle");
inline const QString PageNumberValue = QStringLiteral("QRSysDataPageNumber");

// Which footer sentence a report uses: nearly all reports name the whole
// program; the DMX address list names the maker only.
enum class FooterKind { Program, Maker };

struct ListFrameOptions {
    QString secondLine;         // empty: the header has the heading only
    bool titleInFooter = true;  // the report title in the middle of the footer
    double notesHeight = 0;     // room for totals at the top of the footer band
};

// Adds the page header and page footer bands of the list frame.
void addListFrame(ReportDefinition& report, const QString& heading, const ListFrameOptions& options = {});

// Adds the title band and the page footer band of the calculation frame.
void addCalculationFrame(ReportDefinition& report, const QString& heading, double notesHeight = 0);

// The footer sentence followed directly by the user name of the setup record
// (an empty name leaves the sentence ending with "for ").
QString footerText(const tvx::SetupRecord& setup, FooterKind kind = FooterKind::Program);

// Sets the FooterTextLabel of the report; call it first thing in the
// start-of-page hook.
void setFooterText(ReportDefinition& report, const tvx::SetupRecord& setup, FooterKind kind = FooterKind::Program);

} // namespace ReportFrames
