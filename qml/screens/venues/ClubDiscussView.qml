import QtQuick
import Nuvora

// A club's discussion board.
CommentThreadScreen {
    id: view

    required property ClubDiscussViewController controller

    thread: view.controller
    title: "夜店讨论区"
}
