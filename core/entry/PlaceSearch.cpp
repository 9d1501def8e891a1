// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry/PlaceSearch.h"

#include "core/common/TextEncoding.h"

namespace orvanta {

std::string BuildPlaceQuery(std::string_view city, std::string_view state, std::string_view country)
{
    std::string query;
    query.append(city).append(" ").append(state).append(" ").append(country).append(" Latitude Longitude");
    return query;
}

std::string PlaceSearchAddress(std::string_view query)
{
    return "https://www.openstreetmap.org/search?query=" + PercentEncode(query);
}

}  // namespace orvanta
