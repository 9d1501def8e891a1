// SPDX-License-Identifier: GPL-3.0-or-later
// English short names of the countries and territories the atlas holds,
// by ISO 3166-1 alpha-2 code.
#pragma once

#include <span>
#include <string_view>

namespace orvanta {

struct CountryNameEntry {
    std::string_view Code;
    std::string_view Name;
};

// Every country and territory, by code.
std::span<const CountryNameEntry> AllCountryNames();

// The name for a code such as "IN" ("India"); an unknown code comes back as
// it is.
std::string_view CountryName(std::string_view code);

}  // namespace orvanta
