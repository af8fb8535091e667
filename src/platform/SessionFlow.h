#pragma once
// The session's way in and out, as screens ask for it: the application delegate
// implements it, so that no screen holds the delegate itself.

class SessionFlow {
public:
    virtual ~SessionFlow() = default;

    // Connects the chat server and shows the hub alone on the stack.
    virtual void finishLogin() = 0;
    // Shows the sign-in screen alone on the stack.
    virtual void gotoLogin() = 0;
    // Signs out: closes the store, drops the user and the stored session, and
    // returns to the sign-in screen.
    virtual void logout() = 0;
};
