#pragma once
// A notifier that records every box instead of showing it, answering from a
// script (Ok, or the box's first button, when the script is empty).
#include <QList>
#include <QQueue>
#include <functional>
#include <optional>

#include "platform/Notifier.h"

namespace tervalo::test {

using platform::kProgramTitle;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

struct RecordedMessage {
    QString text;
    QString title;  // as shown: an empty title is recorded as the program's title
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    std::optional<MsgResult> defaultButton;  // when the box names one
};

class RecordingNotifier : public platform::Notifier {
public:
    MsgResult show(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                   MsgButtons buttons) override {
        RecordedMessage m{text, title.isEmpty() ? kProgramTitle : title, icon, buttons, m_default};
        messages.append(m);
        if (onShow) onShow(m);
        if (!answers.isEmpty()) return answers.dequeue();
        switch (buttons) {
            case MsgButtons::YesNo:
            case MsgButtons::YesNoCancel:
                return MsgResult::Yes;
            default:
                return MsgResult::Ok;
        }
    }
    MsgResult ask(QWidget* parent, const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons,
                  MsgResult defaultButton) override {
        m_default = defaultButton;
        const MsgResult answer = show(parent, text, title, icon, buttons);
        m_default.reset();
        return answer;
    }
    void clear() { messages.clear(); }
    const RecordedMessage& last() const { return messages.last(); }
    QStringList texts() const {
        QStringList out;
        for (const auto& m : messages)
            out << m.text;
        return out;
    }

    QList<RecordedMessage> messages;
    QQueue<MsgResult> answers;
    std::function<void(const RecordedMessage&)> onShow;  // runs while the "box" is open

private:
    std::optional<MsgResult> m_default;
};

}  // namespace tervalo::test
