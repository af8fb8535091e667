#pragma once
// The application credentials the stand-in microblog services accept; the
// client's compiled-in keys must match these.

namespace nuvora::devserver::microblogApps {

// First service (authorisation code grant): a 10-digit key and a 32-digit secret.
inline constexpr const char *kCodeGrantKey = "3265781094";
inline constexpr const char *kCodeGrantSecret = "a7c9d0e1f2b3a4c5d6e7f8091a2b3c4d";
// Second service (OAuth 1.0): a 9-digit consumer key and a 32-digit secret.
inline constexpr const char *kSignedKey = "801098765";
inline constexpr const char *kSignedSecret = "5e6f7a8b9c0d1e2f3a4b5c6d7e8f9a0b";

} // namespace nuvora::devserver::microblogApps
