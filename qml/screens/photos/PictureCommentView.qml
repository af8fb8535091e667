pragma ComponentBehavior: Bound
import QtQuick
import Nuvora

// The page of one photo: the photo with its caption and the like button above its
// comments.
CommentPage {
    id: view

    required property PictureCommentViewController controller

    commentPage: view.controller

    listHeader: ItemHeader {
        page: view.controller
        actions: PillButton {
            id: likeButton
            objectName: "likeButton"
            readonly property bool liked: view.controller.picture.iszan === 1

            label: (likeButton.liked ? "已赞 " : "赞 ") + view.controller.picture.zanCount
            filled: likeButton.liked
            onClicked: likeButton.liked ? view.controller.cancelZan() : view.controller.zan()
        }

        TappableImage {
            id: photo
            objectName: "photo"
            width: parent.width
            height: view.controller.imageHeight > 0
                    ? view.controller.imageHeight * width / 294 : width * 0.75
            url: view.controller.picture.img_big
            placeholder: Theme.image("placeholder-100-75.png")
            fillMode: WebImage.PreserveAspectFit
            accessibleName: "照片"
            onTapped: view.controller.showPhoto()
        }
        PlainText {
            y: photo.height + 4
            width: parent.width
            text: view.controller.picture.text
            wrapMode: Text.Wrap
        }
    }
}
