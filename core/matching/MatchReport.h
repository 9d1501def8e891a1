// SPDX-License-Identifier: GPL-3.0-or-later
// The printable report of a match in the reading report's style: a section
// for each person and their Moon, one for the eight kootas, one for the
// total and the verdict, and the doshas and the doubt as notes, each closed
// by the footer that names the home page.
#pragma once

#include <vector>

#include "core/matching/Match.h"
#include "core/report/ReportDocument.h"

namespace orvanta {

std::vector<ReportRun> BuildMatchReport(const MatchPerson& bride, const MatchPerson& groom, const Match& match);

}  // namespace orvanta
