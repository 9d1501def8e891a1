// SPDX-License-Identifier: GPL-3.0-or-later
// The report of a reading as a list of styled runs: headings, field labels
// and field values of the selected rashi in eight sections, each closed by
// the footer that names the home page. Any window or printer can render it.
#pragma once

#include <string>
#include <vector>

#include "core/common/RashiCatalogueRow.h"
#include "core/common/UiText.h"
#include "core/ephemeris/NakshatraStay.h"
#include "core/reading/NakshatraText.h"
#include "core/reading/Reading.h"

namespace orvanta {

enum class ReportStyle { Heading, FieldLabel, FieldValue };

// One piece of text in one style; "\r\n" inside the text breaks the line.
// Shown is the same text without its line breaks as a window shows it,
// translated; where it is unset the text is shown as it stands.
struct ReportRun {
    std::string Text;
    ReportStyle Style;
    UiText Shown{};

    // Runs read the same when their English and style are the same.
    bool operator==(const ReportRun& other) const { return Text == other.Text && Style == other.Style; }
};

// The report of the given rashi texts, from the first heading to the closing
// footer (which has no line break after it).
std::vector<ReportRun> BuildReportDocument(const RashiCatalogueRow& rashi);

// The report of a reading: its rashi's, with the birth star's and the
// method's sections after the rashi's own when the reading has them.
std::vector<ReportRun> BuildReportDocument(const Reading& reading);

// Appends the birth star's section, in the style of the rashi's: its heading,
// the nakshatra, pada, lord, name syllable and the Moon's stay (or the
// notice near a change, from the reading's lines) as labelled lines, then
// the footer between empty lines.
void AppendNakshatraSection(std::vector<ReportRun>& runs, const NakshatraStay& stay, const NakshatraText& text);

// Appends the method's section: which Moon the reading follows and what the
// other method says of the same birth, then the footer between empty lines.
void AppendMethodSection(std::vector<ReportRun>& runs, const Reading& reading);

}  // namespace orvanta
