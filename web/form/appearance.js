// Colours, fonts and units as the desktop view has them.

export const TWIPS_PER_PIXEL = 15;

export const px = (twips) => twips / TWIPS_PER_PIXEL;

// The desktop's colours by role, in the shades of its default light palette.
const ROLES = {
  ButtonFace: '#efefef',
  ButtonText: '#000000',
  Window: '#ffffff',
  WindowText: '#000000',
  MenuText: '#000000',
  ActiveBorder: '#d4d0c8',
};

export const colour = (text) => ROLES[text] ?? text;

// The font files served with the page (fonts/fonts.css) stand in for the
// families the programs name, as on the desktop; the serif gets italics for
// a hand-lettered air. Each falls back on the browser's own face of its
// kind. Lines lie as far apart as the desktop sets them: the face's ascent,
// descent and line gap (from its file, in ems) rounded to whole pixels.
const CARRIED = {
  sans: { family: '"Kymbral Sans", sans-serif', spacing: 2355 / 2048 },
  mono: { family: '"Kymbral Mono", monospace', spacing: 2320 / 2048 },
  serif: { family: '"Kymbral Serif", serif', spacing: 2355 / 2048, style: 'italic' },
};
const FAMILIES = {
  Arial: CARRIED.sans,
  'MS Sans Serif': CARRIED.sans,
  Courier: CARRIED.mono,
  'Courier New': CARRIED.mono,
  Papyrus: CARRIED.serif,
};

// The desktop puts each glyph on the quarter pixel at or before its place
// and rounds its advance down to 1/64 pixel; the browser takes the nearest
// quarter and the nearest 1/64. Text set 7/64 pixel to the left, its
// advances 1/128 shorter, lands where the desktop's does.
export const TEXT_PLACEMENT = { shift: -7 / 64, letterSpacing: -1 / 128 };

// [family, points, bold] as the models hold them; sizes are points at 96
// dpi. The font as CSS writes it, and the distance between lines in pixels.
export function fontOf([family, points, bold]) {
  const face = FAMILIES[family] ?? CARRIED.sans;
  const size = Math.round((points * 96) / 72);
  const css = `${face.style ?? 'normal'} ${bold ? 'bold' : 'normal'} ${size}px ${face.family}`;
  return { css, lineHeight: Math.round(size * face.spacing) };
}

// The font of a control's text, set where the desktop sets it. Boxes stay
// on whole pixels, where borders and backgrounds are drawn.
export function applyFont(element, font) {
  const { css, lineHeight } = fontOf(font);
  Object.assign(element.style, {
    font: css,
    lineHeight: `${lineHeight}px`,
    marginLeft: `${TEXT_PLACEMENT.shift}px`,
    letterSpacing: `${TEXT_PLACEMENT.letterSpacing}px`,
  });
}

// On whole pixels, edges rounded as the desktop rounds them: [x, y, width, height].
export function pixelRect([left, top, width, height]) {
  const [x, y] = [Math.round(px(left)), Math.round(px(top))];
  return [x, y, Math.round(px(left + width)) - x, Math.round(px(top + height)) - y];
}

export function place(element, rect) {
  const [x, y, width, height] = pixelRect(rect);
  Object.assign(element.style, { left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px` });
}

// The programs join lines with a carriage return alone.
export const displayText = (text) => text.replace(/\r\n?/g, '\n');
