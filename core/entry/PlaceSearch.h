// SPDX-License-Identifier: GPL-3.0-or-later
// The place search: the query built from the place boxes and the address of
// a map search for it, which the user reads the coordinates from.
#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// City, state and country as typed, blanks kept, then " Latitude Longitude".
std::string BuildPlaceQuery(std::string_view city, std::string_view state, std::string_view country);

// An OpenStreetMap search for the query, percent-encoded.
std::string PlaceSearchAddress(std::string_view query);

}  // namespace orvanta
