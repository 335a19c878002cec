// AboutWindow: the program's picture and its version.

#include "ui/formwindow.h"
#include "ui/registry.h"

namespace tf {
namespace {

const FormDeclaration& aboutForm() {
  static const FormDeclaration declaration{
      "AboutWindow",
      "关于",
      323,
      466,
      {
          picture("图片框1", ":/assets/about.png", 16, 16, 296, 304),
          label("标签1", "\r\n\r\n\r\n\r\n\r\nTessaform,版本号：Zari 1.0.1.4\r\n\r\n\r\n", 8, 336,
                296, 40),
      }};
  return declaration;
}

const WindowRegistration registration("AboutWindow", &aboutForm, nullptr);

}  // namespace
}  // namespace tf
