// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/PlaceSearch.h"

namespace orvanta {

std::string BuildPlaceQuery(std::string_view city, std::string_view state, std::string_view country)
{
    std::string query;
    query.append(city).append(" ").append(state).append(" ").append(country).append(" Latitude Longitude");
    return query;
}

std::string PlaceSearchAddress(std::string_view query)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string address = "https://www.openstreetmap.org/search?query=";
    for (const char ch : query) {
        const auto c = static_cast<unsigned char>(ch);
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            address += ch;
        } else {
            address += '%';
            address += hex[c >> 4];
            address += hex[c & 0x0F];
        }
    }
    return address;
}

}  // namespace orvanta
