#pragma once

namespace tvn {

// The maker's addresses, shown by the about and information windows.
inline constexpr auto kMakerWebAddress = u"www.torvane.example";
inline constexpr auto kMakerEmailAddress = u"info@torvane.example";

} // namespace tvn
