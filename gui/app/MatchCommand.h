// SPDX-License-Identifier: GPL-3.0-or-later
// `orvanta --match BRIDE GROOM`: the match of two saved readings printed as a
// table, for people who match many pairs; no window and no display.
#pragma once

#include <QString>
#include <QStringList>

#include "core/matching/Match.h"

namespace orvanta {

class Platform;
class PreciseMoonSource;

// The match as printed: the two people, the eight kootas in columns, the
// total, the verdict, and the doubt and doshas as paragraphs.
QString MatchTable(const MatchPerson& bride, const MatchPerson& groom, const Match& match);

// Reads the two files through the platform, composes them by the Moon
// method in the settings and prints the table; a file that does not open
// prints why to standard error, with status 1.
int PrintMatch(Platform& platform, const PreciseMoonSource* precise, const QStringList& files);

}  // namespace orvanta
