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
// a hand-lettered air.
const FAMILIES = {
  Arial: ['Kymbral Sans'],
  'MS Sans Serif': ['Kymbral Sans'],
  Courier: ['Kymbral Mono'],
  'Courier New': ['Kymbral Mono'],
  Papyrus: ['Kymbral Serif', 'italic'],
};

// [family, points, bold] as the models hold them; sizes are points at 96 dpi.
export function applyFont(element, [family, points, bold]) {
  const style = element.style;
  const [carried, fontStyle = 'normal'] = FAMILIES[family] ?? ['Kymbral Sans'];
  style.fontFamily = `"${carried}"`;
  style.fontStyle = fontStyle;
  style.fontSize = `${Math.round((points * 96) / 72)}px`;
  style.fontWeight = bold ? 'bold' : 'normal';
}

// On whole pixels, edges rounded as the desktop rounds them.
export function place(element, [left, top, width, height]) {
  const [x, y] = [Math.round(px(left)), Math.round(px(top))];
  Object.assign(element.style, {
    left: `${x}px`,
    top: `${y}px`,
    width: `${Math.round(px(left + width)) - x}px`,
    height: `${Math.round(px(top + height)) - y}px`,
  });
}

// The programs join lines with a carriage return alone.
export const displayText = (text) => text.replace(/\r\n?/g, '\n');
