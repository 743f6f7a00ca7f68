// The page's one hook, window.kymbralPage: what a page's entry hands out as
// it starts, for what lies outside its modules (the browser tests, the
// benchmarks, and the Tessivar page that the author page plays in a frame).
// Within a page, modules are handed what they need; none reads its own hook.
//
//   view         kymbral.html, tessivar.html: the program's FormView (form/form.js):
//                controls, scale, idle, post, access, apply(), painted(), stop()
//   clock        kymbral.html, tessivar.html: the clock its timers run on
//                (form/clock.js); the tests' fake (tests/web/fake-clock.js), served
//                in its place, also moves on with advance(milliseconds) and
//                counts the timeouts armed with armed()
//   filesOnTrial  author.html, exercises.html: what the page in their frame
//                tries, { read(path) }: the bytes of the deck.csv and pictures
//                that Play from here plays, of the exercises.csv that Try the
//                set runs, or null. The program's page in the frame reads it
//                from its parent's hook.
const NAME = 'kymbralPage';

// Once, by the page's entry; what it hands out stays the same objects.
export function publish(members, win = window) {
  win[NAME] = Object.freeze({ ...members });
}

// Another window's hook (a parent frame's), or null: it has none, or it is
// of another origin and cannot be looked into.
export function hookOf(win) {
  try {
    return win[NAME] ?? null;
  } catch {
    return null;
  }
}
