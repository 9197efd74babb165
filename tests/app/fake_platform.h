#pragma once

// A Platform for window tests: records every call and answers from queues that
// the test fills beforehand. A call that finds its queue empty is recorded in
// `unexpected`, which each test should check (QVERIFY2(fake.unexpected.isEmpty(), ...)).

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <optional>

#include "platform/platform.h"

namespace velmora::testing {

class FakePlatform : public Platform {
public:
    struct Message {
        QString text;
        MessageIcon icon = MessageIcon::Error;
        QPointer<QWidget> parent;
    };
    struct Question {
        QString text;
        QPointer<QWidget> parent;
    };
    struct FileDialog {
        QString title;
        QString filter;
        QString defaultExtension;
    };

    // What was asked for, in order.
    QList<Message> messages;
    QList<Question> questions;
    QList<FileDialog> saveDialogs;
    QList<FileDialog> openDialogs;
    QList<QUrl> openedUrls;
    QList<QPair<QString, QString>> settingWrites;
    QStringList unexpected;

    // Answers, consumed front first.
    QList<bool> yesNoAnswers;
    QStringList saveFileAnswers; // "" = Cancel
    QStringList openFileAnswers; // "" = Cancel
    bool openUrlResult = true;

    // The settings store; set `settingsBroken` to make every read and write fail.
    QMap<QString, QString> settings;
    bool settingsBroken = false;
    QDate today{2024, 6, 15};
    QDateTime now{QDate(2024, 6, 15), QTime(12, 0), Qt::UTC};

    void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) override {
        messages.append({text, icon, parent});
    }

    bool AskYesNo(QWidget* parent, const QString& text) override {
        questions.append({text, parent});
        if (yesNoAnswers.isEmpty()) {
            unexpected.append(QStringLiteral("AskYesNo: ") + text);
            return false;
        }
        return yesNoAnswers.takeFirst();
    }

    QString GetSaveFileName(QWidget*, const FileDialogRequest& request) override {
        saveDialogs.append({request.title, request.filter, request.defaultExtension});
        if (saveFileAnswers.isEmpty()) {
            unexpected.append(QStringLiteral("GetSaveFileName: ") + request.title);
            return {};
        }
        return saveFileAnswers.takeFirst();
    }

    QString GetOpenFileName(QWidget*, const FileDialogRequest& request) override {
        openDialogs.append({request.title, request.filter, request.defaultExtension});
        if (openFileAnswers.isEmpty()) {
            unexpected.append(QStringLiteral("GetOpenFileName: ") + request.title);
            return {};
        }
        return openFileAnswers.takeFirst();
    }

    bool OpenUrl(const QUrl& url) override {
        openedUrls.append(url);
        return openUrlResult;
    }

    std::optional<QString> ReadSetting(const QString& key) override {
        if (settingsBroken || !settings.contains(key)) {
            return std::nullopt;
        }
        return settings.value(key);
    }

    bool WriteSetting(const QString& key, const QString& value) override {
        settingWrites.append({key, value});
        if (settingsBroken) {
            return false;
        }
        settings.insert(key, value);
        return true;
    }

    QDate Today() override { return today; }
    QDateTime Now() override { return now; }

    // The texts of the messages shown so far.
    QStringList MessageTexts() const {
        QStringList texts;
        for (const Message& message : messages) {
            texts.append(message.text);
        }
        return texts;
    }
};

} // namespace velmora::testing
