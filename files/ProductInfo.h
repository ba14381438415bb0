// Facts about the product that several parts of the program show or log.
#pragma once

namespace ProductInfo {
inline constexpr const char* Title = "Clavora 98";
inline constexpr const char* Version = "4.20";
inline constexpr const char* Build = "0161";
inline constexpr const char* BuildDate = "98-06-10";
inline constexpr const char* Platform = "32Bit";
// The maker's addresses, opened by the links of the book window's status bar.
inline constexpr const char* HomePage = "https://www.veltrona.example/clavora/";
inline constexpr const char* SupportMail = "support@veltrona.example";
inline constexpr const char* NewerVersionPage = "https://www.veltrona.example/versions/0161.htm";
} // namespace ProductInfo
