#include "imaging/button_renderer.h"

#include "imaging/image_canvas.h"

namespace quorvex {

FontRequest fontRequestFor(const LogFont& logFont) {
  FontRequest request;
  request.height = logFont.lfHeight;
  request.width = logFont.lfWidth;
  request.weight = logFont.lfWeight;
  request.italic = logFont.lfItalic != 0;
  request.pitchAndFamily = logFont.lfPitchAndFamily;
  request.faceName = logFont.faceName();
  return request;
}

ButtonResult renderButton(const std::filesystem::path& background, const std::string& text,
                          const CTemplateFont& font, int jpegQuality,
                          const std::filesystem::path& output, FontRasterizer& rasterizer) {
  CImageCanvas canvas(background);
  if (canvas.width() < 1 || canvas.height() < 1) return ButtonResult::kUnusableBackground;
  CanvasText settings;
  settings.font = rasterizer.createFont(fontRequestFor(font.logFont));
  settings.textColor = font.color;
  settings.offsetX = font.offsetX;
  settings.offsetY = font.offsetY;
  settings.shadowDepth = font.shadowDepth;
  settings.shadow = font.shadow != 0;
  settings.text = text;
  canvas.setText(std::move(settings));
  canvas.render();
  canvas.setJpegQuality(jpegQuality);
  return canvas.save(output) ? ButtonResult::kSaved : ButtonResult::kNotSaved;
}

}  // namespace quorvex
