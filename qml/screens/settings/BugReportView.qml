import QtQuick
import Nuvora

// Feedback to the operator: the text, sent with the bar's button.
ComposerFormScreen {
    id: view

    required property BugReportViewController controller

    form: view.controller
    title: "意见反馈"
    rightTitle: "提交"
    placeholderText: "请写下你的意见和建议"
    fieldName: "反馈内容"
}
