#pragma once
// The maker's web addresses the window links to (Help menu, About box).

namespace kestrova {

inline constexpr const char* kMakerHomePage = "https://zandrelko.example/";
inline constexpr const char* kDonationPage = "https://zandrelko.example/donate/";
// The donation page in Polish.
inline constexpr const char* kDonationPagePolish = "https://zandrelko.example/pl/donate/";

}  // namespace kestrova
