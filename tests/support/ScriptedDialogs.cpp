#include "support/ScriptedDialogs.h"

void ScriptedDialogs::record(Call call) {
    recorded.append(call);
    if (callHook)
        callHook(call);
}

void ScriptedDialogs::message(QWidget*, const QString& text, const QString& title, Icon icon) {
    Call call;
    call.kind = Kind::Message;
    call.text = text;
    call.title = title;
    call.icon = icon;
    record(call);
}

QString ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& title,
                               const QString& defaultText) {
    Call call;
    call.kind = Kind::Input;
    call.text = prompt;
    call.title = title;
    call.defaultText = defaultText;
    record(call);
    return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
}

std::optional<QString> ScriptedDialogs::openFile(QWidget*, const OpenFileRequest& request) {
    Call call;
    call.kind = Kind::OpenFile;
    call.request = request;
    record(call);
    return openFileAnswers.isEmpty() ? std::nullopt : openFileAnswers.dequeue();
}

void ScriptedDialogs::showHelp(QWidget*, HelpCommand command, int context) {
    Call call;
    call.kind = Kind::Help;
    call.helpCommand = command;
    call.helpContext = context;
    record(call);
}

QList<ScriptedDialogs::Call> ScriptedDialogs::callsOf(Kind kind) const {
    QList<Call> matching;
    for (const Call& call : recorded)
        if (call.kind == kind)
            matching.append(call);
    return matching;
}

QStringList ScriptedDialogs::messageTexts() const {
    QStringList texts;
    for (const Call& call : callsOf(Kind::Message))
        texts.append(call.text);
    return texts;
}
