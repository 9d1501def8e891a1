// SPDX-License-Identifier: GPL-3.0-or-later
// The program's web pages, defined in one place. The report's footer ends
// with the home page, so it must stay an address that link detection finds.
#pragma once

#include <string_view>

namespace orvanta {

inline constexpr std::string_view HelpPage = "https://www.orvanta.app/help/";
inline constexpr std::string_view HomePage = "https://www.orvanta.app/";
inline constexpr std::string_view DownloadPage = "https://www.orvanta.app/download/";

}  // namespace orvanta
