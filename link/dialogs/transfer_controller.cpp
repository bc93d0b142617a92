// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_controller.h"

#include <QDialog>
#include <QMetaObject>
#include <vector>

#include "channel_reader.h"
#include "download_progress_dialog.h"
#include "port_controller.h"
#include "core_texts.h"
#include "prompter.h"
#include "upload_progress_dialog.h"

namespace velmora::ui {

TransferController::TransferController(PortController& port, HeaderSink applyHeader, QWidget* dialogParent,
                                       QObject* parent)
    : QObject(parent),
      port_(port),
      applyHeader_(std::move(applyHeader)),
      dialogParent_(dialogParent),
      upload_(std::make_unique<link::UploadMachine>()) {
    connect(&port_, &PortController::rxDownload, this, &TransferController::onRxDownload);
    connect(&port_, &PortController::rxUpload, this, &TransferController::onRxUpload);
    // Nothing more can arrive once the port is closed or lost: a progress
    // window left open would wait forever.
    connect(&port_, &PortController::portOpenChanged, this, [this](bool open) {
        if (open) return;
        if (downloadDialog_) downloadDialog_->finish();
        if (uploadDialog_) uploadDialog_->finish();
    });
}

bool TransferController::portReady() {
    if (port_.portOpen()) return true;
    notice(dialogParent_, coreText(link::kTextPortClosed));
    return false;
}

TransferController::~TransferController() = default;

void TransferController::setUploadSink(link::UploadSink* sink) {
    upload_ = std::make_unique<link::UploadMachine>(sink);
    upload_->setVersionStore(versions_);
}

void TransferController::setVersionStore(VersionStore* store) {
    versions_ = store;
    upload_->setVersionStore(store);
}

namespace {

FileRequest transferFileRequest(const QString& caption) {
    FileRequest r;
    r.caption = caption;
    r.defaultSuffix = QStringLiteral("bin");
    r.initialName = QStringLiteral("*.bin;*.sgn");
    r.filter = qtFilter(text(TransferController::kFileFilter));
    r.confirmOverwrite = true;
    return r;
}

}  // namespace

bool TransferController::handleCommand(int id) {
    if ((id == kCmdDownload || id == kCmdUpload) && !portReady()) return true;
    if (id == kCmdDownload) {
        const QString path = Prompter::current().openFile(dialogParent_, transferFileRequest(tr("Download to receiver")));
        if (!path.isEmpty()) downloadFile(path);
        return true;
    }
    if (id == kCmdUpload) {
        const QString path = Prompter::current().saveFile(dialogParent_, transferFileRequest(tr("Upload from receiver")));
        if (!path.isEmpty()) uploadTo(path);
        return true;
    }
    return false;
}

void TransferController::downloadFile(const QString& path) {
    if (!portReady()) return;
    link::LinkFlags& flags = port_.flags();
    flags.uploadArmed.store(false);
    flags.downloadArmed.store(true);

    const link::PreparedDownload prepared = link::prepareDownloadFile(path.toStdString());
    if (!prepared.ok()) {
        // The loaded file keeps its header: a file that cannot be sent must
        // not change what the next Save writes.
        flags.downloadArmed.store(false);
        if (!prepared.message.empty()) notice(dialogParent_, coreText(prepared.message));
        return;
    }
    if (applyHeader_) applyHeader_(prepared.header);
    download_.arm(prepared);

    DownloadProgressDialog dialog(dialogParent_);
    // The line in use, not what the settings dialog may have chosen since.
    const link::PortSettings& s = port_.settingsInForce();
    dialog.setup(download_.progressTotal(), QString::fromLatin1(prepared.header.modelText()),
                 prepared.header.headerParam2, prepared.header.headerParam3, QString::fromStdString(s.port),
                 QString::fromStdString(s.baudRate));
    downloadDialog_ = &dialog;
    Prompter::current().runDialog(dialog);
    downloadDialog_ = nullptr;
    // However it closed, the download is over.
    flags.downloadArmed.store(false);
    download_.cancel();
}

void TransferController::uploadTo(const QString& path) {
    if (!portReady()) return;
    link::LinkFlags& flags = port_.flags();
    flags.downloadArmed.store(false);
    flags.uploadArmed.store(true);

    UploadProgressDialog dialog(dialogParent_);
    dialog.setup(path);
    uploadDialog_ = &dialog;
    perform(upload_->start(path.toStdString()), false);
    Prompter::current().runDialog(dialog);
    uploadDialog_ = nullptr;
    flags.uploadArmed.store(false);
    if (!upload_->versionProblem().empty())
        emit statusText(tr("The earlier version was not kept: %1").arg(QString::fromStdString(upload_->versionProblem())));
    upload_->cancel();
}

template <typename Step>
void TransferController::guarded(bool& pending, Step&& step) {
    if (busy_) {
        pending = true;
        return;
    }
    busy_ = true;
    do {
        pending = false;
        step();
    } while (pending);
    busy_ = false;
}

void TransferController::onRxDownload() {
    guarded(pendingDownload_, [this] {
        // Cancelled meanwhile: the bytes stay queued for the next transfer.
        if (!port_.flags().downloadArmed.load()) return;
        std::vector<std::uint8_t> chunk;
        port_.serialPort().queue().drain(chunk);
        perform(download_.feed(chunk, port_.portOpen()), true);
    });
}

void TransferController::onRxUpload() {
    guarded(pendingUpload_, [this] {
        if (!port_.flags().uploadArmed.load()) return;
        std::vector<std::uint8_t> chunk;
        port_.serialPort().queue().drain(chunk);
        if (chunk.empty()) return;
        perform(upload_->feed(chunk, port_.portOpen()), false);
    });
}

void TransferController::perform(const link::Actions& actions, bool download) {
    link::LinkFlags& flags = port_.flags();
    // Disarm first: a message box below runs a nested event loop, and the
    // watcher must stop reporting to a finished transfer before that.
    for (const link::Action& a : actions)
        if (a.kind == link::Action::Kind::Disarm) (download ? flags.downloadArmed : flags.uploadArmed).store(false);

    for (const link::Action& a : actions) {
        switch (a.kind) {
        case link::Action::Kind::Send: port_.serialPort().write(a.bytes.data(), a.bytes.size()); break;
        case link::Action::Kind::Progress: {
            const std::uint32_t v = a.value;
            // Posted, as the dialogs learn of progress after the step.
            if (download && downloadDialog_) {
                QPointer<DownloadProgressDialog> d = downloadDialog_;
                QMetaObject::invokeMethod(
                    d, [d, v] { if (d) d->setPosition(v); }, Qt::QueuedConnection);
            } else if (!download && uploadDialog_) {
                QPointer<UploadProgressDialog> d = uploadDialog_;
                QMetaObject::invokeMethod(
                    d, [d, v] { if (d) d->setCount(v); }, Qt::QueuedConnection);
            }
            break;
        }
        case link::Action::Kind::Message: notice(dialogParent_, coreText(a.text)); break;
        case link::Action::Kind::Done:
            if (download && downloadDialog_) {
                QMetaObject::invokeMethod(downloadDialog_, &DownloadProgressDialog::finish, Qt::QueuedConnection);
            } else if (!download && uploadDialog_) {
                QMetaObject::invokeMethod(uploadDialog_, &UploadProgressDialog::finish, Qt::QueuedConnection);
            }
            break;
        case link::Action::Kind::Disarm: break;  // done above
        case link::Action::Kind::ReplaceHeader:
            if (applyHeader_) applyHeader_(a.header);
            break;
        }
    }
}

}  // namespace velmora::ui
