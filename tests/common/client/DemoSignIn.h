#pragma once
// What an end-to-end test starts from: the stand-in server's demo account signed in on a
// test context as the sign-in screen leaves it (token, server address, the user), and the
// application's router installed.

#include "ApiTestClient.h"

class AppContext;
class DevServerProcess;

namespace DemoSignIn {

// The login reply; `api` is signed in with the same token. A failed login leaves the
// context as it was and answers a status other than 1.
ApiReply signIn(DevServerProcess &server, AppContext &context, ApiTestClient &api);

} // namespace DemoSignIn
