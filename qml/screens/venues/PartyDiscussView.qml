import QtQuick
import Nuvora

// A party's discussion board.
CommentThreadScreen {
    id: view

    required property PartyDiscussViewController controller

    thread: view.controller
    title: "活动讨论区"
}
