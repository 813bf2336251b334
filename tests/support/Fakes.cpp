#include "Fakes.h"

MessageRecorder::MessageRecorder() {
    MessageBox::setHandler([this](const MessageBox::Request& r) {
        requests << r;
        if (onShow)
            onShow(r);
        if (!answers.empty()) {
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (r.defaultButton != QMessageBox::NoButton)
            return r.defaultButton;
        for (auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No})
            if (r.buttons & b)
                return b;
        return QMessageBox::Ok;
    });
}

MessageRecorder::~MessageRecorder() {
    MessageBox::setHandler(nullptr);
}

QStringList MessageRecorder::texts() const {
    QStringList out;
    for (const auto& r : requests)
        out << r.text;
    return out;
}
