// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's Port > Download to receiver and Upload from receiver
// commands: file choice, the modal progress dialogs, and feeding the bytes
// the serial watcher reports into the transfer state machines.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "channel_database.h"
#include "prompter.h"
#include "transfer_protocol.h"

class QWidget;

namespace velmora::ui {

class PortController;
class DownloadProgressDialog;
class UploadProgressDialog;

class TransferController : public QObject {
    Q_OBJECT
public:
    static constexpr int kCmdDownload = 32784;
    static constexpr int kCmdUpload = 32815;
    static constexpr const char* kFileFilter = kChannelFileFilter;

    // Receives the FileHeader values a transfer brings (the chosen file's on a
    // download, the received one on an upload) for the editor's database.
    using HeaderSink = std::function<void(const FileHeader&)>;

    TransferController(PortController& port, HeaderSink applyHeader, QWidget* dialogParent = nullptr,
                       QObject* parent = nullptr);
    ~TransferController() override;

    // Command routing from the view; false for ids this controller does not own.
    bool handleCommand(int id);

    // The commands after their file dialogs (also used by tests). With the
    // port closed they only say so.
    void downloadFile(const QString& path);
    void uploadTo(const QString& path);

    const link::DownloadMachine& downloadMachine() const { return download_; }
    const link::UploadMachine& uploadMachine() const { return *upload_; }
    // Lets tests make the output file fail; nullptr restores the file on disk.
    void setUploadSink(link::UploadSink* sink);
    // An upload that replaces a file keeps that file here first (not owned).
    void setVersionStore(VersionStore* store);

signals:
    // A version could not be kept; the upload went on.
    void statusText(const QString& text);

public:
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

public slots:
    void onRxDownload();
    void onRxUpload();

private:
    void perform(const link::Actions& actions, bool download);
    // False, after saying so, when the port is not open.
    bool portReady();
    template <typename Step>
    void guarded(bool& pending, Step&& step);

    PortController& port_;
    HeaderSink applyHeader_;
    QPointer<QWidget> dialogParent_;
    link::DownloadMachine download_;
    std::unique_ptr<link::UploadMachine> upload_;
    VersionStore* versions_ = nullptr;
    QPointer<DownloadProgressDialog> downloadDialog_;
    QPointer<UploadProgressDialog> uploadDialog_;
    // A message box runs a nested event loop; notifications arriving then
    // are handled after the current step instead of inside it.
    bool busy_ = false;
    bool pendingDownload_ = false;
    bool pendingUpload_ = false;
};

}  // namespace velmora::ui
