#include "publish/publish_classes.h"

#include "document/class_registry.h"
#include "publish/file_entry.h"
#include "publish/file_list.h"
#include "publish/ftp_settings.h"
#include "publish/order_notify_data.h"

namespace quorvex {

void registerPublishClasses(ClassRegistry& registry) {
  registry.add<CFileList>(1, true);
  registry.add<CFileEntry>(4, true);
  registry.add<COrderNotifyData>(3, true);
  registry.add<CFtp>(10, true);
}

}  // namespace quorvex
