#pragma once
// The maker's web addresses: the pages the window links to (Help menu, About
// box) and the version service the About box asks.

namespace kestrova {

inline constexpr const char* kMakerHomePage = "https://zandrelko.example/";
inline constexpr const char* kDonationPage = "https://zandrelko.example/donate/";
// The donation page in Polish.
inline constexpr const char* kDonationPagePolish = "https://zandrelko.example/pl/donate/";
// The version service, passed to the version library as the endpoint.
inline constexpr const char* kVersionEndpoint = "https://zandrelko.example/version";

}  // namespace kestrova
