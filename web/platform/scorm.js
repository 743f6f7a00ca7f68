// The learning platform, when the page runs inside one as a course package:
// its SCORM runtime (API_1484_11 of SCORM 2004, or API of SCORM 1.2) found in
// a parent frame or the opener, as platforms offer it. The program's reports
// become the platform's data model: position and resume data, score and
// status, one interaction per answer, the session time. Without a runtime
// nothing happens at all.
//
// Platforms fail in many ways: calls that return false, throw, or take
// forever. None of it may reach the student: calls wait until the page has
// handled the click that caused them, each failure is caught, the first one's
// error code is logged, and a platform that is slow to commit is committed to
// only when the page goes away.

const SLOW_COMMIT_MS = 1000;
const DEFAULT_MASTERY = 80; // percent, when the package declares none
const MOST_WINDOWS = 500; // frames searched upwards, as the standard's search does

// The two versions' names for the same things.
const SCORM_2004 = {
  object: 'API_1484_11',
  call: { initialize: 'Initialize', terminate: 'Terminate', get: 'GetValue', set: 'SetValue',
    commit: 'Commit', error: 'GetLastError' },
  entry: 'cmi.entry',
  learnerId: 'cmi.learner_id',
  location: 'cmi.location',
  exit: 'cmi.exit',
  normalExit: 'normal',
  sessionTime: 'cmi.session_time',
  response: 'learner_response',
  wrong: 'incorrect',
  duration: (seconds) => `PT${seconds.toFixed(2)}S`,
  mastery: (get) => Number.parseFloat(get('cmi.scaled_passing_score')) * 100,
  started: (get) => (['unknown', 'not attempted', ''].includes(get('cmi.completion_status'))
    ? [['cmi.completion_status', 'incomplete']] : []),
  completed: () => [['cmi.completion_status', 'completed']],
  score: (score, passed) => [['cmi.score.min', 0], ['cmi.score.max', 100], ['cmi.score.raw', score],
    ['cmi.score.scaled', score / 100], ['cmi.success_status', passed ? 'passed' : 'failed'],
    ['cmi.completion_status', 'completed']],
  pattern: (value) => `${value}[:]${value}`,
};

const SCORM_12 = {
  object: 'API',
  call: { initialize: 'LMSInitialize', terminate: 'LMSFinish', get: 'LMSGetValue', set: 'LMSSetValue',
    commit: 'LMSCommit', error: 'LMSGetLastError' },
  entry: 'cmi.core.entry',
  learnerId: 'cmi.core.student_id',
  location: 'cmi.core.lesson_location',
  exit: 'cmi.core.exit',
  normalExit: '',
  sessionTime: 'cmi.core.session_time',
  response: 'student_response',
  wrong: 'wrong',
  duration: (seconds) => {
    const whole = Math.floor(seconds);
    const two = (n) => String(n).padStart(2, '0');
    return `${String(Math.floor(whole / 3600)).padStart(4, '0')}:${two(Math.floor(whole / 60) % 60)}:` +
      `${two(whole % 60)}.${two(Math.floor((seconds - whole) * 100))}`;
  },
  mastery: (get) => Number.parseFloat(get('cmi.student_data.mastery_score')),
  started: (get) => (['not attempted', ''].includes(get('cmi.core.lesson_status'))
    ? [['cmi.core.lesson_status', 'incomplete']] : []),
  completed: () => [['cmi.core.lesson_status', 'completed']],
  score: (score, passed) => [['cmi.core.score.min', 0], ['cmi.core.score.max', 100],
    ['cmi.core.score.raw', score], ['cmi.core.lesson_status', passed ? 'passed' : 'failed']],
  pattern: (value) => `${value}`,
};

// A frame of another origin cannot be looked into: it holds no runtime for us.
function runtimeIn(win, version) {
  try {
    return win[version.object] ?? null;
  } catch {
    return null;
  }
}

function* framesUp(win) {
  for (let level = 0; win && level < MOST_WINDOWS; level++) {
    yield win;
    win = win.parent === win ? null : win.parent;
  }
}

// This window and its parents, then the window that opened this one's tab
// and its parents.
function* windowsAround(start) {
  yield* framesUp(start);
  let opener = null;
  try {
    opener = start.top.opener;
  } catch {
    // an opener of another origin holds no runtime for us either
  }
  yield* framesUp(opener);
}

export function findRuntime(start) {
  for (const version of [SCORM_2004, SCORM_12]) {
    for (const win of windowsAround(start)) {
      const api = runtimeIn(win, version);
      if (api) return { api, version };
    }
  }
  return null;
}

// A screen of a finished show: its response is the points it took off the
// score, so that an instructor adds them up to the score. Clicks on screen 0
// are forgiven: it is practice, and not judged.
function screenInteraction({ wrong, seconds, cost }, slide) {
  const clicks = `${wrong} wrong click${wrong === 1 ? '' : 's'}`;
  return { id: `screen-${slide}`, response: cost, seconds,
    description: slide === 0 ? `Screen 0: practice, not scored (${clicks})`
      : `Screen ${slide}: ${clicks}, ${cost} point${cost === 1 ? '' : 's'} off the score`,
    right: slide === 0 ? null : wrong === 0 };
}

class Platform {
  constructor({ api, version }) {
    this.api = api;
    this.version = version;
    this.started = performance.now();
    this.queue = [];
    this.logged = false;
    this.slow = false;
    this.lastSlide = null;
    this.resumable = false;
    this.completed = false;
    if (!this.call('initialize', '')) {
      this.api = null;
      return;
    }
    const get = (element) => String(this.call('get', element) ?? '');
    this.resumeData = get(version.entry) === 'resume' ? get('cmi.suspend_data') : null;
    this.learnerId = get(version.learnerId) || null;
    const mastery = version.mastery(get);
    this.mastery = Number.isFinite(mastery) ? mastery : DEFAULT_MASTERY;
    this.interactions = Number.parseInt(get('cmi.interactions._count'), 10) || 0;
    this.setAll(version.started(get));
  }

  // One call of the runtime; null when it threw. A call that answers false
  // (get aside, whose empty answers are normal) is a failure too.
  call(kind, ...args) {
    if (!this.api) return null;
    const name = this.version.call[kind];
    let result;
    try {
      result = this.api[name](...args);
    } catch (error) {
      this.failed(name, error);
      return null;
    }
    if (kind !== 'get' && result !== true && result !== 'true') this.failed(name);
    return result;
  }

  failed(name, error) {
    if (this.logged) return;
    this.logged = true;
    let code = 'none';
    try {
      code = this.api[this.version.call.error]();
    } catch {
      // the error code is out of reach too
    }
    console.warn(`Learning platform: ${name} failed, error ${code}${error ? ` (${error})` : ''}`);
  }

  setAll(pairs) {
    for (const [element, value] of pairs) this.call('set', element, String(value));
  }

  commit() {
    if (this.slow) return;
    const start = performance.now();
    this.call('commit', '');
    this.slow = performance.now() - start > SLOW_COMMIT_MS;
  }

  // right: true, false, or null for an answer that is not judged. A numeric
  // answer's pattern is a range of one value; a typed one's the text itself.
  interaction({ id, description, response, right, seconds, pattern, type = 'numeric', weight }) {
    const v = this.version;
    const at = `cmi.interactions.${this.interactions++}.`;
    const pairs = [[`${at}id`, id], [`${at}type`, type]];
    if (v === SCORM_2004) pairs.push([`${at}description`, description]);
    if (weight !== undefined) pairs.push([`${at}weighting`, weight]);
    pairs.push([`${at}${v.response}`, response]);
    if (pattern !== undefined) {
      pairs.push([`${at}correct_responses.0.pattern`, type === 'numeric' ? v.pattern(pattern) : pattern]);
    }
    const result = right === null ? 'neutral' : right ? 'correct' : v.wrong;
    pairs.push([`${at}result`, result], [`${at}latency`, v.duration(seconds)]);
    this.setAll(pairs);
  }

  complete() {
    this.completed = true;
    this.setAll(this.version.completed());
  }

  // What each of the program's events becomes; milestones are committed.
  handle(event) {
    const v = this.version;
    switch (event.event) {
      case 'position': {
        this.resumable = true;
        this.setAll([[v.location, event.slide], ['cmi.suspend_data', event.resume]]);
        if (event.slide !== this.lastSlide) this.commit();
        this.lastSlide = event.slide;
        return;
      }
      case 'show': {
        // The standard's score lies between its min and max, whatever the window shows.
        const score = Math.min(100, Math.max(0, event.score));
        this.completed = true;
        this.setAll(v.score(score, score >= this.mastery));
        event.slides.forEach((record, slide) => this.interaction(screenInteraction(record, slide)));
        break;
      }
      case 'scramble':
        this.interaction({ id: `scramble-level-${event.level}`, description: `Scramble level ${event.level}`,
          response: Math.round(event.seconds), right: event.won, seconds: Math.max(0, event.seconds) });
        if (event.won) this.complete();
        break;
      case 'task':
        this.interaction({ id: `task-${event.task}-${event.kind}`, description: event.description, type: 'fill-in',
          response: event.answer, right: event.right, seconds: event.seconds, pattern: event.expected,
          weight: event.points });
        break;
      case 'exercises':
        this.completed = true;
        this.setAll(v.score(event.score, event.passed));
        break;
      default:
        return;
    }
    this.commit();
  }

  // After the click that caused it has been handled and drawn.
  report(event) {
    if (!this.api) return;
    this.queue.push(event);
    if (this.queue.length === 1) setTimeout(() => this.drain());
  }

  drain() {
    while (this.api && this.queue.length) this.handle(this.queue.shift());
    this.queue = [];
  }

  // Once, when the page goes away: what is still queued, how the student
  // left, the session's time, and the end of the session.
  terminate() {
    if (!this.api) return;
    this.drain();
    const v = this.version;
    const seconds = (performance.now() - this.started) / 1000;
    this.setAll([[v.exit, this.resumable || !this.completed ? 'suspend' : v.normalExit],
      [v.sessionTime, v.duration(seconds)]]);
    this.call('terminate', '');
    this.api = null;
  }
}

// The platform around this page, connected; null when there is none (or it
// refused to start a session), and the page then plays on its own.
export function connectPlatform(win = window) {
  const found = findRuntime(win);
  if (!found) return null;
  const platform = new Platform(found);
  if (!platform.api) return null;
  win.addEventListener('pagehide', () => platform.terminate(), { once: true });
  return platform;
}
