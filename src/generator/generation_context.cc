#include "generator/generation_context.h"

#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/paths.h"
#include "platform/worker_status.h"
#include "publish/file_list.h"

namespace quorvex {

GenerationContext::GenerationContext(CBrenquilDoc& document, const Env& environment,
                                     WorkerStatus& workerStatus, std::string programVersion)
    : doc(document),
      env(environment),
      status(workerStatus),
      version(std::move(programVersion)),
      loader(env.home(), fields, env.prompter(), this->version),
      expander(fields, env.prompter()),
      writer(env.prompter()) {}

Prompter& GenerationContext::prompter() const { return env.prompter(); }

void GenerationContext::startFileLists() {
  for (CFileList* list : {doc.m_pWebFileList.get(), doc.m_pOrderServerFileList.get()}) {
    list->markAllUnused();
    for (const CFileEntry& entry : list->entries) {
      writer.recordChecksum(entry.localPath(env.home()), entry.generatedCrc);
    }
  }
  webFiles_.emplace(*doc.m_pWebFileList);
  orderServerFiles_.emplace(*doc.m_pOrderServerFileList);
}

void GenerationContext::setProgress(std::string text) const {
  status.setProgressText(std::move(text));
}

void GenerationContext::writeExpandedPage(const std::string& text, const std::string& source,
                                          const std::string& outputName,
                                          std::string_view messageName, FileLists lists) {
  writer.write(folders.native(folders.siteFolder()), outputName,
               expander.expand(text, "", messageName));
  enterFile(lists, source, folders.siteFile(outputName), outputName, "", 0, 0);
}

void GenerationContext::enterFile(FileLists lists, const std::string& source,
                                  const std::string& local, const std::string& remoteName,
                                  const std::string& remoteFolder, int32_t binaryTransfer,
                                  int32_t rootOnAddOn) {
  const std::optional<uint32_t> crc =
      writer.writtenChecksum(env.home() / nativePath(local));
  auto lookup = [](std::optional<FileListIndex>& index) { return index ? &*index : nullptr; };
  if (lists != FileLists::kOrderServer) {
    doc.m_pWebFileList->addFile(env.home(), source, local, remoteName, remoteFolder, 1,
                                binaryTransfer, rootOnAddOn, crc, lookup(webFiles_));
  }
  if (lists != FileLists::kWeb) {
    doc.m_pOrderServerFileList->addFile(env.home(), source, local, remoteName, remoteFolder, 1,
                                        binaryTransfer, rootOnAddOn, crc,
                                        lookup(orderServerFiles_));
  }
}

}  // namespace quorvex
