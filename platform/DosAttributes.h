#pragma once

#include <cstdint>
#include <optional>
#include <QByteArrayView>

namespace tvn {

// The extended attribute in which Wine and Samba keep a file's DOS attributes.
inline constexpr char kDosAttributeName[] = "user.DOSATTRIB";

inline constexpr std::uint32_t kDosHidden = 0x2;
inline constexpr std::uint32_t kDosSystem = 0x4;

// The attribute bits of a `user.DOSATTRIB` value: the hexadecimal text Wine writes ("0x22",
// also quoted or NUL-terminated as shell tools leave it) or Samba's binary record. Nothing when
// the value cannot be read.
std::optional<std::uint32_t> parseDosAttributes(QByteArrayView value);

// True when the value marks the file hidden or system.
bool dosAttributesHide(QByteArrayView value);

} // namespace tvn
