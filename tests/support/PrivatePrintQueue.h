#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace folia::test {

// A print scheduler of the test's own: its own configuration, socket and spool in a
// temporary folder, one queue writing PDF into a file, set as the default. A scheduler
// that already runs on the machine is neither used nor disturbed. Point the process at it
// with use() before anything asks for printers.
class PrivatePrintQueue {
public:
    PrivatePrintQueue();
    ~PrivatePrintQueue();

    // Empty when the queue runs; otherwise why it could not be started.
    const QString& problem() const { return m_problem; }
    void use() const;

    QString queueName() const { return QStringLiteral("FoliaTest"); }
    // The file the queue's device writes each job into.
    QString outputPath() const { return m_folder.path() + QStringLiteral("/out/page.prn"); }
    // The documents of the jobs as they were handed in, oldest first.
    QStringList jobDocuments() const;
    // Waits until `count` jobs have completed; false after the timeout.
    bool waitForCompletedJobs(int count, int timeoutMs = 30000) const;

private:
    QString path(const QString& name) const { return m_folder.path() + QLatin1Char('/') + name; }
    bool run(const QString& program, const QStringList& arguments) const;
    bool start();

    QTemporaryDir m_folder;
    QProcess m_scheduler;
    QString m_problem;
};

} // namespace folia::test
