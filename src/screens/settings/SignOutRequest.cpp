#include "SignOutRequest.h"

#include "platform/AppContext.h"
#include "platform/SessionFlow.h"
#include "ui/RequestSlot.h"

SignOutRequest::SignOutRequest(AppContext &context)
    : QObject(&context), context_(context), request_(new RequestSlot(context, this))
{
}

SignOutRequest *SignOutRequest::running(AppContext &context)
{
    for (auto *request : context.findChildren<SignOutRequest *>(Qt::FindDirectChildrenOnly)) {
        if (!request->finished_)
            return request;
    }
    return nullptr;
}

SignOutRequest *SignOutRequest::start(AppContext &context)
{
    if (running(context))
        return nullptr;
    auto *request = new SignOutRequest(context);
    const auto done = [request](const JSONFetcher &) { request->finish(); };
    if (!request->request_->post(kScript, {}, done, done)) {
        delete request;
        return nullptr;
    }
    return request;
}

void SignOutRequest::finish()
{
    if (finished_)
        return;
    finished_ = true;
    // The sign-out replaces the whole stack, the settings screen with it; this object
    // stays until the slot has returned from its callback.
    context_.sessionFlow().logout();
    deleteLater();
}
