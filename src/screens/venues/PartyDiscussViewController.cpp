#include "PartyDiscussViewController.h"

namespace {

CommentThreadViewController::Thread partyBoard()
{
    return {.idParameter = QStringLiteral("pid"),
            .commentsScript = QStringLiteral("party_remark.php"),
            .commentsKey = QStringLiteral("partyremarks"),
            .commentIdKey = QStringLiteral("prid"),
            .postScript = QStringLiteral("party_remark_post.php"),
            .reportType = QStringLiteral("partyremark")};
}

} // namespace

PartyDiscussViewController::PartyDiscussViewController(AppContext &context, const Party &party,
                                                       QObject *parent)
    : CommentThreadViewController(context, partyBoard(), QString::number(party.pid), parent),
      party_(party)
{
}
