#pragma once
// The box-drawing characters of the game's frames: single bytes of code page
// 437 on the Windows console, the same characters in UTF-8 elsewhere.

namespace emberfell::frame {

#ifdef _WIN32
inline constexpr const char* topleft = "\xC9";
inline constexpr const char* topright = "\xBB";
inline constexpr const char* bottomleft = "\xC8";
inline constexpr const char* bottomright = "\xBC";
inline constexpr const char* across = "\xCD";
inline constexpr const char* down = "\xBA";
#else
inline constexpr const char* topleft = "\u2554";
inline constexpr const char* topright = "\u2557";
inline constexpr const char* bottomleft = "\u255A";
inline constexpr const char* bottomright = "\u255D";
inline constexpr const char* across = "\u2550";
inline constexpr const char* down = "\u2551";
#endif

}  // namespace emberfell::frame
